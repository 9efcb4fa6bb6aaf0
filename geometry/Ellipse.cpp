// Points, parameters and end tangents of tilted ellipses.
#include "Ellipse.h"

#include <cmath>
#include <numbers>

#include "Angles.h"
#include "Intersections.h"

namespace {

constexpr double kHalfPi = std::numbers::pi / 2.0;

// Length of the tangent stretch that fixes each tangent's direction; the two
// tangents are intersected as unbounded lines, so any length serves.
constexpr double kTangentLength = 10.0;

}  // namespace

PlanePoint EllipsePoint(double cx, double cy, double r, double k, double t, double phi) noexcept {
    const double u = std::cos(phi) * r;
    const double v = std::sin(phi) * (r * k);
    const PlanePoint turned = RotatePoint(u, v, 0.0, 0.0, t);
    return {turned.X + cx, turned.Y + cy};
}

double EllipseParameter(double px, double py, double cx, double cy, double /*r*/, double k,
                        double t) noexcept {
    if (k <= 0.0) k = 1.0;
    const PlanePoint q = RotatePoint(px, py, cx, cy, -t);
    return DirectionAngle(q.X - cx, (q.Y - cy) / k);
}

PlanePoint ArcTangentCorner(double cx, double cy, double r, double k, double t, double start,
                            double arc) noexcept {
    // Worked in the ellipse's own frame: centre at the origin, no tilt. The
    // tangent at parametric angle phi runs along (cos(phi + pi/2), k sin(phi + pi/2)).
    const double end = start + arc;
    const double sx = std::cos(start) * r;
    const double sy = std::sin(start) * r * k;
    const double sx2 = sx + kTangentLength * std::cos(start + kHalfPi);
    const double sy2 = sy + kTangentLength * k * std::sin(start + kHalfPi);
    const double ex = std::cos(end) * r;
    const double ey = std::sin(end) * r * k;
    const double ex2 = ex + kTangentLength * std::cos(end - kHalfPi);
    const double ey2 = ey + kTangentLength * k * std::sin(end - kHalfPi);

    const SegmentCrossing crossing = SegmentIntersection(sx, sy, sx2, sy2, ex, ey, ex2, ey2);
    const PlanePoint corner = crossing.code == kNoCrossing ? PlanePoint{} : crossing.point;
    const PlanePoint turned = RotatePoint(corner.X, corner.Y, 0.0, 0.0, t);
    return {turned.X + cx, turned.Y + cy};
}
