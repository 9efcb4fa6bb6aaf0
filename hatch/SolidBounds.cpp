// Building the sweep's bounding box from the solids.
#include "hatch/SolidBounds.h"

#include <cmath>

#include "hatch/CircularClipper.h"

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

void TakeRingEdges(SolidBounds& bounds, int ringVariant, const RingSolidRecord& ring) noexcept {
    if (!IsClippableRingSolid(ringVariant, ring)) return;
    bounds.TakeSquare(ring.cx, ring.cy, CoveringHalfSide(ring.radius, ring.flatness));
    bounds.TakeSquare(ring.cx, ring.cy,
                      CoveringHalfSide(ring.radius2, InnerFlatness(ringVariant, ring)));
}

}  // namespace

void SolidBounds::Take(double x, double y) noexcept {
    if (!started) {
        minX = maxX = x;
        minY = maxY = y;
        started = true;
        return;
    }
    if (x < minX) minX = x;
    if (y < minY) minY = y;
    if (x > maxX) maxX = x;
    if (y > maxY) maxY = y;
}

void SolidBounds::TakeSquare(double cx, double cy, double h) noexcept {
    Take(cx - h, cy - h);
    Take(cx + h, cy - h);
    Take(cx + h, cy + h);
    Take(cx - h, cy + h);
}

SolidBounds BuildSolidBounds(const EntityStore& store) {
    SolidBounds bounds;
    for (std::size_t i = 0; i < store.triangleSolids.Count(); ++i) {
        const TriangleSolidRecord& s = store.triangleSolids[i];
        bounds.Take(s.x1, s.y1);
        bounds.Take(s.x2, s.y2);
        bounds.Take(s.x3, s.y3);
    }
    for (std::size_t i = 0; i < store.quadSolids.Count(); ++i) {
        const QuadSolidRecord& s = store.quadSolids[i];
        bounds.Take(s.x1, s.y1);
        bounds.Take(s.x2, s.y2);
        bounds.Take(s.x3, s.y3);
        bounds.Take(s.x4, s.y4);
    }
    for (std::size_t i = 0; i < store.circleSolids.Count(); ++i) {
        const CircleSolidRecord& s = store.circleSolids[i];
        bounds.TakeSquare(s.cx, s.cy, CurveHalfSide(s.radius, s.flatness));
    }
    for (std::size_t i = 0; i < store.ringSolids.Count(); ++i) {
        const RingSolidRecord& s = store.ringSolids[i];
        bounds.TakeSquare(s.cx, s.cy, CurveHalfSide(s.radius, s.flatness));
    }
    for (std::size_t i = 0; i < store.constantWidthRingSolids.Count(); ++i) {
        const RingSolidRecord& s = store.constantWidthRingSolids[i];
        bounds.TakeSquare(s.cx, s.cy, CurveHalfSide(s.radius, s.flatness));
    }

    // The squares above miss the corner where the end tangents of an arc
    // meet, a ring's second edge when it is the larger one, and the far side
    // of a curve given a negative radius. The points added lie within the
    // squares for every solid that does lie within its square.
    for (std::size_t i = 0; i < store.circleSolids.Count(); ++i) {
        const CircleSolidRecord& s = store.circleSolids[i];
        if (!IsClippableCircleSolid(s)) continue;
        bounds.TakeSquare(s.cx, s.cy, CoveringHalfSide(s.radius, s.flatness));
        if (s.solidMode != kTangentCornerMode) continue;
        const PlanePoint corner = TangentCornerOf(s);
        if (std::isfinite(corner.X) && std::isfinite(corner.Y)) bounds.Take(corner.X, corner.Y);
    }
    for (std::size_t i = 0; i < store.ringSolids.Count(); ++i) {
        TakeRingEdges(bounds, kRingVariantSameFlatness, store.ringSolids[i]);
    }
    for (std::size_t i = 0; i < store.constantWidthRingSolids.Count(); ++i) {
        TakeRingEdges(bounds, kRingVariantConstantWidth, store.constantWidthRingSolids[i]);
    }
    return bounds;
}

}  // namespace rv17
