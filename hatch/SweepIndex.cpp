// Line ranges of the solids and the walk over the lines with the solids in reach.
#include "hatch/SweepIndex.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

#include "geometry/PlaneBox.h"
#include "hatch/CircularClipper.h"
#include "hatch/SolidFigure.h"

namespace rv17 {

namespace {

// A piece is written only when its midpoint, a point of the line, lies inside
// the solid's outline, so a line that writes anything passes through the box
// of the outline. The reach is wider all the same, in case a crossing beyond
// the figure ever counted: a circle reports a tangent point for a line that
// misses it by up to sqrt(r^2 + 1.5e-8) - r (about 1.2e-4 around a tiny
// circle), an ellipse the same in its own frame, where distances across the
// flat axis are divided by the flatness, and segment crossings are accepted
// 1e-8 beyond their extents. The margin covers these with room to spare,
// plus a whole line, plus the rounding of the coordinates involved.
constexpr double kTangentReachSquared = 2e-8;
constexpr double kAbsoluteMargin = 1e-3;
constexpr double kRelativeMargin = 1e-9;
constexpr double kLinesOfMargin = 1.0;

// The box that holds every line crossing of a solid.
struct ReachBox : PlaneBox {
    bool hatched = true;  // false: no line can cut the solid
    bool bounded = true;  // false: every line must be offered
};

// The radius around the centre within which a curved edge can yield crossings.
double CurveReach(double radius, double largestFlatness) noexcept {
    return std::max(1.0, largestFlatness) * std::sqrt(radius * radius + kTangentReachSquared);
}

ReachBox PolygonReach(const double* x, const double* y, int corners) noexcept {
    ReachBox box;
    for (int i = 0; i < corners; ++i) box.Take(x[i], y[i]);
    return box;
}

ReachBox FigureReach(const TriangleSolidRecord& s) noexcept {
    const double x[] = {s.x1, s.x2, s.x3};
    const double y[] = {s.y1, s.y2, s.y3};
    return PolygonReach(x, y, 3);
}

ReachBox FigureReach(const QuadSolidRecord& s) noexcept {
    const double x[] = {s.x1, s.x2, s.x3, s.x4};
    const double y[] = {s.y1, s.y2, s.y3, s.y4};
    return PolygonReach(x, y, 4);
}

ReachBox FigureReach(const CircleSolidRecord& s) noexcept {
    ReachBox box;
    if (!IsClippableCircleSolid(s)) {
        box.hatched = false;
        return box;
    }
    box.Take(s.cx, s.cy);
    box.TakeSquare(s.cx, s.cy, CurveReach(s.radius, std::fabs(s.flatness)));
    if (FigureSolidMode(s) == CircleSolidMode::TangentCorner) {
        const PlanePoint corner = TangentCornerOf(s);
        box.Take(corner.X, corner.Y);
        box.bounded = std::isfinite(corner.X) && std::isfinite(corner.Y);
    }
    return box;
}

ReachBox FigureReach(const RingFigure& figure) noexcept {
    const RingSolidRecord& s = figure.ring;
    const RingVariant ringVariant = figure.variant;
    ReachBox box;
    if (!IsClippableRingSolid(ringVariant, s)) {
        box.hatched = false;
        return box;
    }
    const double flatness =
        std::max(std::fabs(s.flatness), std::fabs(InnerFlatness(ringVariant, s)));
    box.Take(s.cx, s.cy);
    box.TakeSquare(s.cx, s.cy,
                   CurveReach(std::max(std::fabs(s.radius), std::fabs(s.radius2)), flatness));
    return box;
}

ReachBox SolidReach(const SweepSolids& solids, const HatchSolid& solid) noexcept {
    ReachBox none;
    none.hatched = false;
    return VisitSolidFigure(
        solids, solid.kind, solid.index, [](const auto& figure) { return FigureReach(figure); },
        none);
}

// Whole line numbers n with n * progress within [low, high], kept within [least, most].
LineRange StepsWithin(double low, double high, double progress, std::int64_t least,
                      std::int64_t most) noexcept {
    double first = progress > 0.0 ? std::ceil(low / progress) : std::ceil(high / progress);
    double last = progress > 0.0 ? std::floor(high / progress) : std::floor(low / progress);
    if (std::isnan(first)) first = static_cast<double>(least);
    if (std::isnan(last)) last = static_cast<double>(most);
    first = std::clamp(first, static_cast<double>(least), static_cast<double>(most) + 1.0);
    last = std::clamp(last, static_cast<double>(least) - 1.0, static_cast<double>(most));
    return {static_cast<std::int64_t>(first), static_cast<std::int64_t>(last)};
}

}  // namespace

SolidLineRanges LineRangesOfSolid(const SweepSolids& solids, const HatchSolid& solid,
                                  const SweepPlan& plan) {
    const ReachBox box = SolidReach(solids, solid);
    if (!box.hatched) return {{0, -1}, {1, 0}};
    const bool finite = std::isfinite(box.minX) && std::isfinite(box.minY) &&
                        std::isfinite(box.maxX) && std::isfinite(box.maxY);
    if (!box.bounded || !finite) return {{0, plan.forwardLines}, {1, plan.backwardLines}};

    // Offsets of the box's corners from S across the lines.
    const PlanePoint n = plan.normal;
    const PlanePoint s = plan.start;
    const double across[] = {(box.minX - s.X) * n.X + (box.minY - s.Y) * n.Y,
                             (box.maxX - s.X) * n.X + (box.minY - s.Y) * n.Y,
                             (box.minX - s.X) * n.X + (box.maxY - s.Y) * n.Y,
                             (box.maxX - s.X) * n.X + (box.maxY - s.Y) * n.Y};
    const double low = *std::min_element(std::begin(across), std::end(across));
    const double high = *std::max_element(std::begin(across), std::end(across));
    const double size = std::max({std::fabs(box.minX), std::fabs(box.minY), std::fabs(box.maxX),
                                  std::fabs(box.maxY), plan.magnitude, plan.halfLength});
    const double margin = kLinesOfMargin * plan.interval + kAbsoluteMargin +
                          kRelativeMargin * size + plan.positionSlack;
    return {StepsWithin(low - margin, high + margin, plan.forwardProgress, 0, plan.forwardLines),
            StepsWithin(low - margin, high + margin, plan.backwardProgress, 1, plan.backwardLines)};
}

namespace {

// The solids with a range, ordered by first line (file order among equals),
// and the union of the ranges as ranges apart from each other.
void OrderByFirstLine(SweepReach::Direction& direction) {
    const std::vector<LineRange>& ranges = direction.ranges;
    for (std::uint32_t i = 0; i < ranges.size(); ++i) {
        if (ranges[i].first <= ranges[i].last) direction.byFirstLine.push_back(i);
    }
    std::stable_sort(
        direction.byFirstLine.begin(), direction.byFirstLine.end(),
        [&](std::uint32_t a, std::uint32_t b) { return ranges[a].first < ranges[b].first; });
    for (const std::uint32_t i : direction.byFirstLine) {
        std::vector<LineRange>& any = direction.reachingAny;
        if (!any.empty() && ranges[i].first <= any.back().last + 1) {
            any.back().last = std::max(any.back().last, ranges[i].last);
        } else {
            any.push_back(ranges[i]);
        }
    }
}

}  // namespace

SweepReach::SweepReach(const SweepSolids& solids, const SweepPlan& plan) {
    forward_.ranges.reserve(solids.inFileOrder.size());
    backward_.ranges.reserve(solids.inFileOrder.size());
    for (const HatchSolid& solid : solids.inFileOrder) {
        const SolidLineRanges ranges = LineRangesOfSolid(solids, solid, plan);
        forward_.ranges.push_back(ranges.forward);
        backward_.ranges.push_back(ranges.backward);
    }
    OrderByFirstLine(forward_);
    OrderByFirstLine(backward_);
}

void SweepIndex::BeginDirection(SweepDirection direction) {
    direction_ = &reach_.Of(direction);
    for (const ReachableSolid& solid : reachable_) ReleaseSlot(solid.slot);
    reachable_.clear();
    nextToEnter_ = 0;
}

const std::vector<ReachableSolid>& SweepIndex::SolidsForLine(std::int64_t k) {
    const std::vector<LineRange>& ranges = direction_->ranges;
    const std::vector<std::uint32_t>& byFirstLine = direction_->byFirstLine;
    const auto inFileOrder = [](const ReachableSolid& a, const ReachableSolid& b) {
        return a.ordinal < b.ordinal;
    };
    // The solids whose range has ended leave; the rest keep their order.
    std::size_t kept = 0;
    for (const ReachableSolid& solid : reachable_) {
        if (ranges[solid.ordinal].last < k) {
            ReleaseSlot(solid.slot);
        } else {
            reachable_[kept++] = solid;
        }
    }
    reachable_.resize(kept);

    // The entering ones follow them and are merged in, in place: a line that
    // reaches a million solids holds each once.
    while (nextToEnter_ < byFirstLine.size() && ranges[byFirstLine[nextToEnter_]].first <= k) {
        const std::uint32_t ordinal = byFirstLine[nextToEnter_++];
        if (ranges[ordinal].last < k) continue;
        reachable_.push_back({ordinal, TakeSlot()});
    }
    const auto entering = reachable_.begin() + static_cast<std::ptrdiff_t>(kept);
    // Solids entering at one line arrive in file order; only a line after
    // lines passed over can take solids whose ranges began before it.
    if (!std::is_sorted(entering, reachable_.end(), inFileOrder))
        std::sort(entering, reachable_.end(), inFileOrder);
    if (kept > 0 && entering != reachable_.end() && !inFileOrder(*(entering - 1), *entering))
        std::inplace_merge(reachable_.begin(), entering, reachable_.end(), inFileOrder);
    return reachable_;
}

std::int32_t SweepIndex::TakeSlot() {
    if (!freeSlots_.empty()) {
        const std::int32_t slot = freeSlots_.back();
        freeSlots_.pop_back();
        return slot;
    }
    if (slots_.size() == kMaxSlots) return -1;
    slots_.emplace_back();
    return static_cast<std::int32_t>(slots_.size() - 1);
}

// The outline is given back with the slot: a later solid builds its own, sized to it.
void SweepIndex::ReleaseSlot(std::int32_t slot) {
    if (slot < 0) return;
    OutlineSlot& released = slots_[static_cast<std::size_t>(slot)];
    released.Forget();
    released.polygon.Release();
    freeSlots_.push_back(slot);
}

}  // namespace rv17
