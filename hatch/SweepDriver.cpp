// The sweep over all hatch lines and the dispatch of each line to the solids.
#include "hatch/SweepDriver.h"

#include <optional>

#include "geometry/PointInPolygon.h"
#include "hatch/CircularClipper.h"
#include "hatch/ComposedSweep.h"
#include "hatch/IndexedOffers.h"
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
    LiteralOffers(EntityStore& store, const std::vector<HatchSolid>& solids, const SweepPlan& plan,
                  std::size_t& pieces)
        : store_(store), crossings_(plan.angle), solids_(solids), pieces_(pieces), plan_(plan) {}

    void Offer(const HatchLine& line) {
        for (const HatchSolid& solid : solids_) {
            scratch_.Forget();
            ClipContext context{store_,  crossings_, &PointInPolygon, scratch_,
                                nullptr, &pieces_,   plan_.origin};
            ClipSolid(context, solid, line);
        }
    }

private:
    EntityStore& store_;
    CrossingList crossings_;
    const std::vector<HatchSolid>& solids_;
    std::size_t& pieces_;
    const SweepPlan& plan_;
    OutlineSlot scratch_;
};

}  // namespace

void ClipSolid(ClipContext& context, const HatchSolid& solid, const HatchLine& line) {
    VisitSolidFigure(context.store, solid.kind, solid.index, [&](const auto& figure) {
        ClipFigure(context, solid.hatchColour, line, figure);
    });
}

std::size_t RunSweep(EntityStore& store, const std::vector<HatchSolid>& solids,
                     const SweepPlan& plan, const SweepOptions& options) {
    if (options.mode == SweepMode::Indexed && options.observer == nullptr)
        return RunComposedSweep(store, solids, plan, options.threads);

    std::size_t pieces = 0;
    std::optional<LiteralOffers> literal;
    std::optional<IndexedOffers> indexed;
    if (options.mode == SweepMode::Indexed) {
        indexed.emplace(store, solids, plan, nullptr, &pieces);
    } else {
        literal.emplace(store, solids, plan, pieces);
    }
    std::optional<SweepDirection> direction;
    VisitSweepLines(plan, [&](const HatchLine& line, std::int64_t k, SweepDirection of, bool met) {
        if (indexed && direction != of) indexed->BeginDirection(of);
        direction = of;
        if (options.observer != nullptr) (*options.observer)(line, met);
        if (!met) return;
        if (indexed) {
            indexed->Offer(line, k);
        } else {
            literal->Offer(line);
        }
    });
    return pieces;
}

}  // namespace rv17
