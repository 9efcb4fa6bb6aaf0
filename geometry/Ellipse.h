// Points of tilted ellipses. The ellipse with centre C, radius r along the tilt
// t and flatness k has at parametric angle phi the point
// C + Rot(t) (r cos phi, r k sin phi); a circle is the case k = 1.
#pragma once

#include "geometry/Angles.h"
#include "geometry/PlanePoint.h"

namespace rv17 {

PlanePoint EllipsePoint(double cx, double cy, double r, double k, double t, double phi) noexcept;
// The same point with the tilt's rotation given, for many points of one
// ellipse: equal to the above with tilt = RotationBy(t), to the last bit.
PlanePoint EllipsePoint(double cx, double cy, double r, double k, Rotation tilt,
                        double phi) noexcept;

// Parametric angle of P in [0, 2pi]. A flatness k <= 0 is taken as 1. r is not
// needed and not used.
double EllipseParameter(double px, double py, double cx, double cy, double r, double k,
                        double t) noexcept;

// The meeting point of the tangents at the two ends of the arc from start
// turning by arc. Parallel tangents (an arc of pi, for example) give the centre.
PlanePoint ArcTangentCorner(double cx, double cy, double r, double k, double t, double start,
                            double arc) noexcept;

}  // namespace rv17
