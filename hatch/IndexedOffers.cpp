// One line of the indexed sweep, clipped against the solids in its reach.
#include "hatch/IndexedOffers.h"

#include "geometry/PointInPolygon.h"
#include "hatch/LineFrame.h"
#include "hatch/SweepDriver.h"

namespace rv17 {

IndexedOffers::IndexedOffers(EntityStore& store, const std::vector<HatchSolid>& solids,
                             const SweepPlan& plan, PieceSink* sink, std::size_t* pieces)
    : store_(store),
      solids_(solids),
      plan_(plan),
      sink_(sink),
      pieces_(pieces),
      crossings_(plan.angle),
      index_(store, solids, plan) {}

void IndexedOffers::Offer(const HatchLine& line, std::int64_t k) {
    const std::vector<ReachableSolid>& reachable = index_.SolidsForLine(k);
    if (reachable.empty()) return;
    const LineFrame frame(line);
    for (const ReachableSolid& solid : reachable) {
        ClipContext context{store_, crossings_, &PointInPolygonFast, index_.Slot(solid.slot),
                            &frame, pieces_,    plan_.origin,        sink_};
        ClipSolid(context, solids_[solid.ordinal], line);
    }
}

}  // namespace rv17
