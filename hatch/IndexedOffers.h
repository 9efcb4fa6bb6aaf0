// The indexed sweep's hand-out of one line: only to the solids within its
// reach, in file order, each with the slot that keeps its outline.
#pragma once

#include <cstddef>
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
    // k must not fall from call to call. With parts (a sink that takes lines
    // in parts), pieces is handed to it and emptied whenever it holds
    // kPiecesPerPart pieces or more.
    void Offer(const HatchLine& line, std::int64_t k, std::vector<ClippedPiece>& pieces,
               PieceSink* parts = nullptr);

    static constexpr std::size_t kPiecesPerPart = 4096;

private:
    const SweepSolids& solids_;
    CrossingList crossings_;
    SweepIndex index_;
    OutlineSlot scratch_;  // for a solid in reach without a slot, one line at a time
};

}  // namespace rv17
