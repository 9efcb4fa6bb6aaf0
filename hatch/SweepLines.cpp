// Whether a hatch line reaches the solids' bounds.
#include "hatch/SweepLines.h"

#include "geometry/Intersections.h"

namespace rv17 {

namespace {

bool CrossesEdge(const HatchLine& line, double x1, double y1, double x2, double y2) noexcept {
    return SegmentIntersection(line.ax, line.ay, line.bx, line.by, x1, y1, x2, y2).code ==
           CrossingCode::OnBoth;
}

}  // namespace

bool LineMeetsBounds(const HatchLine& line, const PlaneBox& b) noexcept {
    return CrossesEdge(line, b.minX, b.minY, b.maxX, b.minY) ||
           CrossesEdge(line, b.minX, b.minY, b.minX, b.maxY) ||
           CrossesEdge(line, b.minX, b.maxY, b.maxX, b.maxY) ||
           CrossesEdge(line, b.maxX, b.minY, b.maxX, b.maxY);
}

}  // namespace rv17
