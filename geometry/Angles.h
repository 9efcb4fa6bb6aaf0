// Directions, angles and their normalisation, arcs, and rotation about a centre.
// Angles are radians unless a name says degrees; positive angles turn
// counter-clockwise. Non-finite input gives a non-finite or arbitrary real
// result and a false or true answer, never a loop or a trap.
#pragma once

#include "geometry/PlanePoint.h"

namespace rv17 {

// x rounded to a multiple of 1e-10, halves away from zero. (Values beyond
// about 1.8e298 overflow the grid count and come back infinite.)
double RoundToGrid(double x) noexcept;

// Direction of the vector (dx, dy) in [0, 2pi]; 0 for a vector shorter than
// 1e-10 in both components.
double DirectionAngle(double dx, double dy) noexcept;

// DirectionAngle in degrees, rounded to the 1e-10 grid.
double DirectionAngleDegrees(double dx, double dy) noexcept;

// The angle equivalent to a (degrees) in [0, 360); values within 1e-10 of a
// whole turn become 0.
double NormalizeDegrees(double a) noexcept;

// True when the direction test lies on the arc that starts at start and turns
// by arc (negative: clockwise), within 1e-12 at the ends. An arc of 2pi or
// more holds every direction.
bool AngleInSweep(double test, double start, double arc) noexcept;

// The cosine and sine of a turn, worked out once for turning many points by it.
struct Rotation {
    double cosine = 1.0;
    double sine = 0.0;
};

// The rotation by a, from SineCosine(a).
Rotation RotationBy(double a) noexcept;

// (x, y) turned about (cx, cy) by a.
PlanePoint RotatePoint(double x, double y, double cx, double cy, double a) noexcept;
// The same turn with its cosine and sine given: RotatePoint(x, y, cx, cy, a)
// is RotatePoint(x, y, cx, cy, RotationBy(a)) to the last bit. Inline, as it
// sits in the innermost loops of the hatch sweep.
inline PlanePoint RotatePoint(double x, double y, double cx, double cy,
                              Rotation rotation) noexcept {
    const double c = rotation.cosine;
    const double s = rotation.sine;
    const double dx = x - cx;
    const double dy = y - cy;
    return {cx + c * dx - s * dy, cy + s * dx + c * dy};
}
// The X or the Y of RotatePoint.
double RotatedX(double x, double y, double cx, double cy, double a) noexcept;
double RotatedY(double x, double y, double cx, double cy, double a) noexcept;

// DirectionAngleDegrees of v.
double VectorAngleDegrees(PlanePoint v) noexcept;

// Unsigned angle between a and b in [0, pi]; 0 when |a|.|b| <= 1e-12.
double AngleBetweenVectors(PlanePoint a, PlanePoint b) noexcept;

// AngleBetweenVectors in degrees, not rounded.
double AngleBetweenVectorsDegrees(PlanePoint a, PlanePoint b) noexcept;

// True when b, drawn from the same origin as a, lies counter-clockwise of a by
// 0 to 180 degrees. Decided on the 1e-10-degree grid of directions.
bool TurnsCounterClockwise(PlanePoint a, PlanePoint b) noexcept;

}  // namespace rv17
