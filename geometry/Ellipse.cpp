// Points, parameters and end tangents of tilted ellipses.
#include "geometry/Ellipse.h"

#include <cmath>

#include "geometry/Angles.h"
#include "geometry/Intersections.h"
#include "geometry/Pi.h"
#include "geometry/Trigonometry.h"

namespace rv17 {

namespace {

// Length of the tangent stretch that fixes each tangent's direction; the two
// tangents are intersected as unbounded lines, so any length serves.
constexpr double kTangentLength = 10.0;

// The sine of the angle between two end tangents below which they count as
// parallel.
constexpr double kParallelTangentSine = 1e-9;

}  // namespace

PlanePoint EllipsePoint(double cx, double cy, double r, double k, double t, double phi) noexcept {
    return EllipsePoint(cx, cy, r, k, RotationBy(t), phi);
}

PlanePoint EllipsePoint(double cx, double cy, double r, double k, Rotation tilt,
                        double phi) noexcept {
    double sine = 0.0;
    double cosine = 0.0;
    SineCosine(phi, sine, cosine);
    const double u = cosine * r;
    const double v = sine * (r * k);
    const PlanePoint turned = RotatePoint(u, v, 0.0, 0.0, tilt);
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
    const double sx = Cosine(start) * r;
    const double sy = Sine(start) * r * k;
    const double sx2 = sx + kTangentLength * Cosine(start + kHalfPi);
    const double sy2 = sy + kTangentLength * k * Sine(start + kHalfPi);
    const double ex = Cosine(end) * r;
    const double ey = Sine(end) * r * k;
    const double ex2 = ex + kTangentLength * Cosine(end - kHalfPi);
    const double ey2 = ey + kTangentLength * k * Sine(end - kHalfPi);

    // Tangents this close to parallel meet at the centre, whatever the start
    // angle: a half disc written with pi to 15 digits leaves its end tangents a
    // few 1e-15 apart, which near the vertical the slope comparison of
    // SegmentIntersection would take as a crossing some 1e15 away.
    const double startDx = sx2 - sx;
    const double startDy = sy2 - sy;
    const double endDx = ex2 - ex;
    const double endDy = ey2 - ey;
    // Squared on both sides, so that only +, - and * decide, as in every build.
    const double cross = startDx * endDy - startDy * endDx;
    const double squaredLengths =
        (startDx * startDx + startDy * startDy) * (endDx * endDx + endDy * endDy);
    PlanePoint corner;
    if (cross * cross > kParallelTangentSine * kParallelTangentSine * squaredLengths) {
        const SegmentCrossing crossing = SegmentIntersection(sx, sy, sx2, sy2, ex, ey, ex2, ey2);
        if (crossing.code != CrossingCode::NoCrossing) corner = crossing.point;
    }
    const PlanePoint turned = RotatePoint(corner.X, corner.Y, 0.0, 0.0, t);
    return {turned.X + cx, turned.Y + cy};
}

}  // namespace rv17
