// Directions, angles, arcs and rotation.
#include "geometry/Angles.h"

#include <cmath>

#include "geometry/Pi.h"
#include "geometry/Trigonometry.h"

namespace rv17 {

double RoundToGrid(double x) noexcept {
    const double magnitude = std::trunc(std::fabs(x) / kGridStep + 0.5) * kGridStep;
    return x >= 0.0 ? magnitude : -magnitude;
}

double DirectionAngle(double dx, double dy) noexcept {
    if (std::fabs(dx) < kNullVectorTolerance && std::fabs(dy) < kNullVectorTolerance) return 0.0;
    double angle = ArcTangent2(dy, dx);
    if (angle < 0.0) angle += kTwoPi;
    return angle;
}

double DirectionAngleDegrees(double dx, double dy) noexcept {
    return RoundToGrid(DirectionAngle(dx, dy) * 180.0 / kPi);
}

double NormalizeDegrees(double degrees) noexcept {
    // One truncated division, never a loop, so huge or non-finite input ends at once.
    double a = std::fabs(degrees);
    if (a >= 360.0) a = a - std::trunc(a / 360.0) * 360.0;
    if (std::fabs(a) <= kDegreeSnapTolerance) a = 0.0;
    if (std::fabs(a - 360.0) <= kDegreeSnapTolerance) a = 0.0;
    if (degrees < 0.0) a = -a;
    if (a < 0.0) a += 360.0;
    if (a >= 360.0) a -= 360.0;
    // A negative input that reduced to zero leaves -0; give +0 like every other zero.
    return a + 0.0;
}

bool AngleInSweep(double test, double start, double arc) noexcept {
    double end = start + arc;
    if (end >= kTwoPi) end -= kTwoPi;
    if (end < 0.0) end += kTwoPi;
    if (arc < 0.0) {
        // A clockwise arc is the counter-clockwise arc walked from its other end.
        start = end;
        arc = -arc;
    }
    double d = test - start;
    if (d < 0.0) d += kTwoPi;
    if (std::fabs(d) <= kSweepTolerance) return true;
    if (std::fabs(d - kTwoPi) <= kSweepTolerance) return true;
    if (d < 0.0) return false;
    return d <= arc + kSweepTolerance;
}

Rotation RotationBy(double a) noexcept {
    Rotation rotation;
    SineCosine(a, rotation.sine, rotation.cosine);
    return rotation;
}

PlanePoint RotatePoint(double x, double y, double cx, double cy, double a) noexcept {
    return RotatePoint(x, y, cx, cy, RotationBy(a));
}

double RotatedX(double x, double y, double cx, double cy, double a) noexcept {
    return RotatePoint(x, y, cx, cy, a).X;
}

double RotatedY(double x, double y, double cx, double cy, double a) noexcept {
    return RotatePoint(x, y, cx, cy, a).Y;
}

double VectorAngleDegrees(PlanePoint v) noexcept { return DirectionAngleDegrees(v.X, v.Y); }

double AngleBetweenVectors(PlanePoint a, PlanePoint b) noexcept {
    const double lengths = std::sqrt(a.X * a.X + a.Y * a.Y) * std::sqrt(b.X * b.X + b.Y * b.Y);
    if (lengths <= kZeroLengthProduct) return 0.0;
    double c = (a.X * b.X + a.Y * b.Y) / lengths;
    // Rounding can push the cosine of nearly parallel vectors just past +-1.
    if (c < -1.0) c = -1.0;
    if (c > 1.0) c = 1.0;
    return ArcCosine(c);
}

double AngleBetweenVectorsDegrees(PlanePoint a, PlanePoint b) noexcept {
    return AngleBetweenVectors(a, b) * 180.0 / kPi;
}

bool TurnsCounterClockwise(PlanePoint a, PlanePoint b) noexcept {
    // The turn from a to b is read at a's tip: the direction back to the origin
    // against the direction on to b's tip.
    double d = VectorAngleDegrees({-a.X, -a.Y}) - VectorAngleDegrees(PointDifference(b, a));
    if (d < 0.0) d += 360.0;
    return d >= 0.0 && d <= 180.0;
}

}  // namespace rv17
