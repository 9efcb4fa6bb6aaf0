// Points and vectors of the plane and the comparisons and arithmetic on them.
#pragma once

#include <cmath>

#include "geometry/GeometryTolerance.h"

namespace rv17 {

// A point or a vector: X, then Y, in drawing units.
struct PlanePoint {
    double X = 0.0;
    double Y = 0.0;

    friend constexpr bool operator==(const PlanePoint&, const PlanePoint&) = default;
};

constexpr PlanePoint MakePoint(double x, double y) noexcept { return {x, y}; }

// a - b.
constexpr PlanePoint PointDifference(PlanePoint a, PlanePoint b) noexcept {
    return {a.X - b.X, a.Y - b.Y};
}

// The vector from (x1, y1) to (x2, y2).
constexpr PlanePoint VectorFromTo(double x1, double y1, double x2, double y2) noexcept {
    return {x2 - x1, y2 - y1};
}

constexpr void ExchangeReals(double& a, double& b) noexcept {
    const double kept = a;
    a = b;
    b = kept;
}

inline double PointDistance(double x1, double y1, double x2, double y2) noexcept {
    return std::sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1));
}

// Q(d) = Int(d / 1e-8 + 0.5) * 1e-8: d on the 1e-8 grid, which decides whether
// a difference counts as zero. It is lopsided: Q(d) = 0 exactly for
// -1.5e-8 < d < 0.5e-8.
inline double Quantise(double d) noexcept {
    return std::trunc(d / kQuantiserStep + 0.5) * kQuantiserStep;
}

// |a - b| <= 1e-8: a difference of exactly the tolerance is still equal.
inline bool NearlyEqual(double a, double b) noexcept {
    return std::fabs(a - b) <= kCoincidenceTolerance;
}

// Both coordinates differ by at most 1e-8.
inline bool PointsCoincide(double x1, double y1, double x2, double y2) noexcept {
    return std::fabs(x2 - x1) <= kCoincidenceTolerance &&
           std::fabs(y2 - y1) <= kCoincidenceTolerance;
}

}  // namespace rv17
