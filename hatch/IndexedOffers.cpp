// One line of the indexed sweep, clipped against the solids in its reach.
#include "hatch/IndexedOffers.h"

#include "geometry/PointInPolygon.h"
#include "hatch/LineFrame.h"
#include "hatch/SweepDriver.h"

namespace rv17 {

IndexedOffers::IndexedOffers(const SweepSolids& solids, const SweepPlan& plan,
                             const SweepReach& reach)
    : solids_(solids), crossings_(plan.angle), index_(reach) {}

void IndexedOffers::Offer(const HatchLine& line, std::int64_t k, std::vector<ClippedPiece>& pieces,
                          PieceSink* parts) {
    const std::vector<ReachableSolid>& reachable = index_.SolidsForLine(k);
    if (reachable.empty()) return;
    const LineFrame frame(line);
    for (const ReachableSolid& solid : reachable) {
        if (solid.slot < 0) scratch_.Forget();
        OutlineSlot& slot = solid.slot < 0 ? scratch_ : index_.Slot(solid.slot);
        ClipContext context{crossings_, &PointInPolygonFast, slot, &frame, pieces};
        ClipSolid(context, solids_, solids_.inFileOrder[solid.ordinal], line);
        if (parts != nullptr && pieces.size() >= kPiecesPerPart) {
            parts->LinePieces(pieces);
            pieces.clear();
        }
    }
}

}  // namespace rv17
