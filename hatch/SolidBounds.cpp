// Building the sweep's bounding box from the solids.
#include "hatch/SolidBounds.h"

#include <cmath>

#include "hatch/CircularClipper.h"
#include "hatch/SolidFigure.h"

namespace rv17 {

namespace {

// The half side of the square around a curved edge: the radius, or the other
// semi-axis when that is larger.
double CurveHalfSide(double radius, double flatness) noexcept {
    const double other = radius * flatness;
    return other > radius ? other : radius;
}

// The square around an ellipse, whatever the signs of radius and flatness.
double CoveringHalfSide(double radius, double flatness) noexcept {
    const double along = std::fabs(radius);
    const double across = std::fabs(radius * flatness);
    return across > along ? across : along;
}

// The corners of a polygon, the square around a curve.
void TakeOutline(PlaneBox& bounds, const TriangleSolidRecord& s) noexcept {
    bounds.Take(s.x1, s.y1);
    bounds.Take(s.x2, s.y2);
    bounds.Take(s.x3, s.y3);
}

void TakeOutline(PlaneBox& bounds, const QuadSolidRecord& s) noexcept {
    bounds.Take(s.x1, s.y1);
    bounds.Take(s.x2, s.y2);
    bounds.Take(s.x3, s.y3);
    bounds.Take(s.x4, s.y4);
}

void TakeOutline(PlaneBox& bounds, const CircleSolidRecord& s) noexcept {
    bounds.TakeSquare(s.cx, s.cy, CurveHalfSide(s.radius, s.flatness));
}

void TakeOutline(PlaneBox& bounds, const RingFigure& figure) noexcept {
    const RingSolidRecord& s = figure.ring;
    bounds.TakeSquare(s.cx, s.cy, CurveHalfSide(s.radius, s.flatness));
}

// What the outline's square misses: the corner where the end tangents of an
// arc meet, a ring's second edge when it is the larger one, and the far side
// of a curve given a negative radius. The points added lie within the
// squares for every solid that does lie within its square. A polygon's
// corners miss nothing.
void TakeOverhang(PlaneBox&, const TriangleSolidRecord&) noexcept {}

void TakeOverhang(PlaneBox&, const QuadSolidRecord&) noexcept {}

void TakeOverhang(PlaneBox& bounds, const CircleSolidRecord& s) noexcept {
    if (!IsClippableCircleSolid(s)) return;
    bounds.TakeSquare(s.cx, s.cy, CoveringHalfSide(s.radius, s.flatness));
    if (FigureSolidMode(s) != CircleSolidMode::TangentCorner) return;
    const PlanePoint corner = TangentCornerOf(s);
    if (std::isfinite(corner.X) && std::isfinite(corner.Y)) bounds.Take(corner.X, corner.Y);
}

void TakeOverhang(PlaneBox& bounds, const RingFigure& figure) noexcept {
    const RingSolidRecord& ring = figure.ring;
    if (!IsClippableRingSolid(figure.variant, ring)) return;
    bounds.TakeSquare(ring.cx, ring.cy, CoveringHalfSide(ring.radius, ring.flatness));
    bounds.TakeSquare(ring.cx, ring.cy,
                      CoveringHalfSide(ring.radius2, InnerFlatness(figure.variant, ring)));
}

}  // namespace

PlaneBox BuildSolidBounds(const EntityStore& store) {
    // Every outline, then every overhang, in the order the header gives.
    PlaneBox bounds;
    ForEachSolidFigure(store, [&](const auto& figure) { TakeOutline(bounds, figure); });
    ForEachSolidFigure(store, [&](const auto& figure) { TakeOverhang(bounds, figure); });
    return bounds;
}

PlaneBox BuildSolidBounds(const EntityStore& store, PlanePoint origin) {
    PlaneBox bounds;
    ForEachMovedSolidFigure(store, origin,
                            [&](const auto& figure) { TakeOutline(bounds, figure); });
    ForEachMovedSolidFigure(store, origin,
                            [&](const auto& figure) { TakeOverhang(bounds, figure); });
    return bounds;
}

}  // namespace rv17
