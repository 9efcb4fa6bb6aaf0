// The indexed sweep's hand-out of one line: only to the solids within its
// reach, in file order, each with the slot that keeps its outline.
#pragma once

#include <cstdint>
#include <vector>

#include "hatch/ClippedPiece.h"
#include "hatch/CrossingList.h"
#include "hatch/HatchLine.h"
#include "hatch/HatchSolid.h"
#include "hatch/SweepIndex.h"
#include "hatch/SweepPlan.h"

namespace rv17 {

class IndexedOffers {
public:
    // reach: made for these solids and the plan.
    IndexedOffers(const SweepSolids& solids, const SweepPlan& plan, const SweepReach& reach);

    void BeginDirection(SweepDirection direction) { index_.BeginDirection(direction); }

    // Appends the pieces of line number k of the current direction to pieces;
    // k must not fall from call to call.
    void Offer(const HatchLine& line, std::int64_t k, std::vector<ClippedPiece>& pieces);

private:
    const SweepSolids& solids_;
    CrossingList crossings_;
    SweepIndex index_;
};

}  // namespace rv17
