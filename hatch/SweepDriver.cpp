// The sweep over all hatch lines and the dispatch of each line to the solids.
#include "hatch/SweepDriver.h"

#include <optional>

#include "geometry/Intersections.h"
#include "geometry/PointInPolygon.h"
#include "hatch/CircularClipper.h"
#include "hatch/PolygonClipper.h"
#include "hatch/SolidFigure.h"
#include "hatch/SweepIndex.h"

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

bool CrossesEdge(const HatchLine& line, double x1, double y1, double x2, double y2) noexcept {
    return SegmentIntersection(line.ax, line.ay, line.bx, line.by, x1, y1, x2, y2).code ==
           kCrossingOnBoth;
}

// The solids a line is offered to, and the clip context that goes with each.
class LiteralOffers {
public:
    LiteralOffers(EntityStore& store, CrossingList& crossings,
                  const std::vector<HatchSolid>& solids, const SweepPlan& plan, std::size_t& pieces)
        : store_(store), crossings_(crossings), solids_(solids), pieces_(pieces), plan_(plan) {}

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
    CrossingList& crossings_;
    const std::vector<HatchSolid>& solids_;
    std::size_t& pieces_;
    const SweepPlan& plan_;
    OutlineSlot scratch_;
};

class IndexedOffers {
public:
    IndexedOffers(EntityStore& store, CrossingList& crossings,
                  const std::vector<HatchSolid>& solids, const SweepPlan& plan, std::size_t& pieces)
        : store_(store),
          crossings_(crossings),
          solids_(solids),
          pieces_(pieces),
          plan_(plan),
          index_(store, solids, plan) {}

    void BeginDirection(SweepDirection direction) { index_.BeginDirection(direction); }

    void Offer(const HatchLine& line, std::int64_t k) {
        const std::vector<ReachableSolid>& reachable = index_.SolidsForLine(k);
        if (reachable.empty()) return;
        const LineFrame frame(line);
        for (const ReachableSolid& solid : reachable) {
            ClipContext context{store_, crossings_, &PointInPolygonFast, index_.Slot(solid.slot),
                                &frame, &pieces_,   plan_.origin};
            ClipSolid(context, solids_[solid.ordinal], line);
        }
    }

private:
    EntityStore& store_;
    CrossingList& crossings_;
    const std::vector<HatchSolid>& solids_;
    std::size_t& pieces_;
    const SweepPlan& plan_;
    SweepIndex index_;
};

}  // namespace

bool LineMeetsBounds(const HatchLine& line, const SolidBounds& b) noexcept {
    return CrossesEdge(line, b.minX, b.minY, b.maxX, b.minY) ||
           CrossesEdge(line, b.minX, b.minY, b.minX, b.maxY) ||
           CrossesEdge(line, b.minX, b.maxY, b.maxX, b.maxY) ||
           CrossesEdge(line, b.maxX, b.minY, b.maxX, b.maxY);
}

void ClipSolid(ClipContext& context, const HatchSolid& solid, const HatchLine& line) {
    VisitSolidFigure(context.store, solid.kind, solid.index, [&](const auto& figure) {
        ClipFigure(context, solid.hatchColour, line, figure);
    });
}

std::size_t RunSweep(EntityStore& store, const std::vector<HatchSolid>& solids,
                     const SweepPlan& plan, const SweepOptions& options) {
    CrossingList crossings(plan.angle);
    std::size_t pieces = 0;
    std::optional<LiteralOffers> literal;
    std::optional<IndexedOffers> indexed;
    if (options.mode == SweepMode::Indexed) {
        indexed.emplace(store, crossings, solids, plan, pieces);
    } else {
        literal.emplace(store, crossings, solids, plan, pieces);
    }
    const auto begin = [&](SweepDirection direction) {
        if (indexed) indexed->BeginDirection(direction);
    };

    // Line number k of a direction: offered to the solids when it meets the
    // bounds; the result tells whether the direction goes on.
    const auto dispatch = [&](PlanePoint p, std::int64_t k) {
        const HatchLine line = plan.LineThrough(p);
        const bool met = LineMeetsBounds(line, plan.bounds);
        if (options.observer != nullptr) (*options.observer)(line, met);
        if (met) {
            if (indexed) {
                indexed->Offer(line, k);
            } else {
                literal->Offer(line);
            }
        }
        return met;
    };

    // The line through S, whether or not it meets the bounds, then the lines
    // forward. Each position adds one step to the last.
    begin(SweepDirection::Forward);
    dispatch(plan.start, 0);
    PlanePoint p = plan.start;
    for (std::int64_t k = 1;; ++k) {
        p = {p.X + plan.forwardStep.X, p.Y + plan.forwardStep.Y};
        if (!dispatch(p, k)) break;
    }
    begin(SweepDirection::Backward);
    p = plan.start;
    for (std::int64_t k = 1;; ++k) {
        p = {p.X + plan.backwardStep.X, p.Y + plan.backwardStep.Y};
        if (!dispatch(p, k)) break;
    }
    return pieces;
}

}  // namespace rv17
