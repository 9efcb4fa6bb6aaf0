// The sweep over all hatch lines and the dispatch of each line to the solids.
#include "hatch/SweepDriver.h"

#include <vector>

#include "geometry/PointInPolygon.h"
#include "hatch/CircularClipper.h"
#include "hatch/ParallelSweep.h"
#include "hatch/PolygonClipper.h"
#include "hatch/SolidFigure.h"
#include "hatch/SweepLines.h"

namespace rv17 {

namespace {

// One clipper per figure.
void ClipFigure(ClipContext& context, std::int32_t hatchColour, const HatchLine& line,
                const TriangleSolidRecord& solid) {
    ClipTriangleSolid(context, hatchColour, line, solid);
}
void ClipFigure(ClipContext& context, std::int32_t hatchColour, const HatchLine& line,
                const QuadSolidRecord& solid) {
    ClipQuadSolid(context, hatchColour, line, solid);
}
void ClipFigure(ClipContext& context, std::int32_t hatchColour, const HatchLine& line,
                const CircleSolidRecord& solid) {
    ClipCircleSolid(context, hatchColour, line, solid);
}
void ClipFigure(ClipContext& context, std::int32_t hatchColour, const HatchLine& line,
                const RingFigure& figure) {
    ClipRingSolid(context, hatchColour, figure.variant, line, figure.ring);
}

// Every line to every solid in file order.
class LiteralOffers {
public:
    LiteralOffers(const SweepSolids& solids, const SweepPlan& plan)
        : crossings_(plan.angle), solids_(solids) {}

    void Offer(const HatchLine& line, std::vector<ClippedPiece>& pieces) {
        for (const HatchSolid& solid : solids_.inFileOrder) {
            scratch_.Forget();
            ClipContext context{crossings_, &PointInPolygon, scratch_, nullptr, pieces};
            ClipSolid(context, solids_, solid, line);
        }
    }

private:
    CrossingList crossings_;
    const SweepSolids& solids_;
    OutlineSlot scratch_;
};

}  // namespace

void ClipSolid(ClipContext& context, const SweepSolids& solids, const HatchSolid& solid,
               const HatchLine& line) {
    VisitSolidFigure(solids, solid.kind, solid.index, [&](const auto& figure) {
        ClipFigure(context, solid.hatchColour, line, figure);
    });
}

bool RunSweep(const SweepSolids& solids, const SweepPlan& plan, const SweepOptions& options,
              PieceSink& sink) {
    if (options.mode == SweepMode::Indexed)
        return RunParallelSweep(solids, plan, options.threads, options.stop, sink);

    LiteralOffers literal(solids, plan);
    std::vector<ClippedPiece> pieces;
    bool stopped = false;
    VisitSweepLines(plan, [&](const HatchLine& line, std::int64_t, SweepDirection, bool met) {
        if (!met || stopped) return;
        // A line is a run of its own here.
        if (options.stop.stop_requested()) {
            stopped = true;
            return;
        }
        pieces.clear();
        literal.Offer(line, pieces);
        sink.LinePieces(pieces);
    });
    return !stopped;
}

}  // namespace rv17
