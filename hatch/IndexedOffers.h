// The indexed sweep's hand-out of one line: only to the solids within its
// reach, in file order, each with the slot that keeps its outline.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "exchange/EntityStore.h"
#include "hatch/ClippedPiece.h"
#include "hatch/CrossingList.h"
#include "hatch/HatchLine.h"
#include "hatch/HatchSolid.h"
#include "hatch/SweepIndex.h"
#include "hatch/SweepPlan.h"

namespace rv17 {

class IndexedOffers {
public:
    // The pieces go to sink when one is given, else to the store's output,
    // counted in *pieces when that is given.
    IndexedOffers(EntityStore& store, const std::vector<HatchSolid>& solids, const SweepPlan& plan,
                  PieceSink* sink, std::size_t* pieces = nullptr);

    void BeginDirection(SweepDirection direction) { index_.BeginDirection(direction); }

    // Where the pieces of the following lines go (nullptr: the store).
    void SendTo(PieceSink* sink) noexcept { sink_ = sink; }

    // Line number k of the current direction; k must not fall from call to call.
    void Offer(const HatchLine& line, std::int64_t k);

private:
    EntityStore& store_;
    const std::vector<HatchSolid>& solids_;
    const SweepPlan& plan_;
    PieceSink* sink_;
    std::size_t* pieces_;
    CrossingList crossings_;
    SweepIndex index_;
};

}  // namespace rv17
