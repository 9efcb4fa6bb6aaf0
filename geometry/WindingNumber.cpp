// Winding number of an outline about a point, with the conditions under
// which PointInPolygon's angle sum is certain to agree with it.
//
// PointInPolygon works on the vectors W_i = T - V_i. For a closed outline
// (V_{n-1} = V_0) these form a closed loop, and the exact signed angles
// between consecutive W add up to exactly 360 times the loop's winding number
// about the origin, which equals the outline's winding number about T. The
// computed sum differs from that exact sum only through
//   1. a wrong sign of a term: TurnsCounterClockwise compares two directions
//      on a 1e-10 degree grid, so it can err only when the angle d at W_{i-1}'s
//      tip between -W_{i-1} and W_i - W_{i-1} is within about 1e-10 degrees of
//      0 or 180; |sin d| = |cross| / (|W_{i-1}| |W_i - W_{i-1}|);
//   2. the 180-degree rule, which zeroes a term whose angle is within 1e-8
//      degrees of 180; an angle theta > 90 degrees has |W_i - W_{i-1}| > |W_i|,
//      so its sine |cross| / (|W_{i-1}| |W_i|) exceeds |sin d|;
//   3. the rounding of the cosine (at most about 9 ulp, 1e-15) and of arccos,
//      whose error is at most 1.42e-15 / sin(theta) while sin(theta) >= 6.4e-8
//      and at most 1.01 sqrt(2e-15) < 4.6e-8 rad always;
//   4. the degree conversion and the summation, at most n^2 pi ulp in all;
//   5. the null rules: a vector shorter than 1e-10 in both components has
//      direction 0, and vectors whose lengths multiply to 1e-12 or less have
//      angle 0;
//   6. for an outline that is not closed exactly, the angle of the missing
//      closing step.
// Demanding |sin d| > 1e-6 rules out 1 and 2 with a wide margin, excluding 5
// rules out the rest of the special cases, and the bounds of 3, 4 and 6, summed
// over the edges, must stay within half the 1e-4 degree tolerance.
#include "geometry/WindingNumber.h"

#include <algorithm>
#include <cmath>

#include "geometry/GeometryTolerance.h"
#include "geometry/Pi.h"

namespace rv17 {

namespace {

// A squared length below this may come from a vector shorter than 1e-10 in
// both components, whose direction the pass takes as 0.
constexpr double kNullLengthSquared = 2.0 * kNullVectorTolerance * kNullVectorTolerance;
// Squared lengths up to this (lengths up to 1e70) keep every product below finite;
// NaN and infinite coordinates fail the same test.
constexpr double kMaxLengthSquared = 1e140;
// |W_{i-1}| |W_i| must exceed this (squared: 1e-22), ten times the null product.
constexpr double kMinLengthProductSquared = 1e-22;
// Relative error bound of a computed 2x2 cross product, with room to spare,
// and an absolute floor that covers products lost to underflow.
constexpr double kCrossFilter = 1e-14;
constexpr double kCrossFloor = 1e-290;
// |sin d| must exceed 1e-6 (squared here).
constexpr double kMinTurnSineSquared = 1e-12;
// Arccos error bound per edge, radians: kCosineSlack / sin(theta), capped.
constexpr double kCosineSlack = 4e-15;
constexpr double kCosineCap = 6e-8;
// Edges seen under an angle whose sine is at least 1e-4 (squared here) are
// charged the bound for that sine, which saves a root and a division.
constexpr double kPlainSineSquared = 1e-8;
constexpr double kPlainSineError = 4e-11;
// Degree conversion of one term, radians.
constexpr double kTermSlack = 2e-15;
constexpr double kUnitRoundoff = 1.2e-16;
// Half the winding tolerance, in radians.
constexpr double kErrorBudget = 0.5 * kWindingTolerance * kPi / 180.0;

bool UsableLength(double squared) noexcept {
    return squared >= kNullLengthSquared && squared <= kMaxLengthSquared;
}

// Counts the crossing of the +X axis by the loop step a -> b, with the side on
// which the origin lies (the sign of the cross product). False when that sign
// is too close to rounding to be trusted.
bool CountAxisCrossing(double ax, double ay, double bx, double by, double cross,
                       int& winding) noexcept {
    const bool upward = ay <= 0.0 && by > 0.0;
    const bool downward = ay > 0.0 && by <= 0.0;
    if (!upward && !downward) return true;
    if (!(std::fabs(cross) >
          kCrossFilter * (std::fabs(ax * by) + std::fabs(ay * bx)) + kCrossFloor)) {
        return false;
    }
    if (upward && cross > 0.0) ++winding;
    if (downward && cross < 0.0) --winding;
    return true;
}

}  // namespace

WindingCertificate CertainWindingNumber(int n, const double* x, const double* y, double px,
                                        double py) noexcept {
    if (n < 2) return {};
    const double edges = static_cast<double>(n);
    double errorBound = edges * edges * kPi * kUnitRoundoff;
    int winding = 0;
    int plainEdges = 0;
    const double firstX = px - x[0];
    const double firstY = py - y[0];
    double ax = firstX;
    double ay = firstY;
    double aa = ax * ax + ay * ay;
    if (!UsableLength(aa)) return {};
    for (int i = 1; i < n; ++i) {
        const double bx = px - x[i];
        const double by = py - y[i];
        const double bb = bx * bx + by * by;
        if (!UsableLength(bb)) return {};
        const double gx = bx - ax;
        const double gy = by - ay;
        const double gg = gx * gx + gy * gy;
        if (gg < kNullLengthSquared) {
            if (gx != 0.0 || gy != 0.0) return {};
            // A repeated vertex: the pass adds the arccos of a cosine that should
            // be 1, a tiny angle of either sign; the winding number is unchanged.
            errorBound += kCosineCap + kTermSlack;
            continue;
        }
        if (!(aa * bb > kMinLengthProductSquared)) return {};
        const double cross = ax * by - ay * bx;
        if (!(cross * cross > kMinTurnSineSquared * aa * gg)) return {};
        if (!CountAxisCrossing(ax, ay, bx, by, cross, winding)) return {};
        if (cross * cross >= kPlainSineSquared * aa * bb) {
            ++plainEdges;  // charged at the end: no chain of additions through the loop
        } else {
            errorBound +=
                std::min(kCosineSlack * std::sqrt(aa * bb) / std::fabs(cross), kCosineCap) +
                kTermSlack;
        }
        ax = bx;
        ay = by;
        aa = bb;
    }

    // An outline whose last vertex only nearly repeats the first (a full turn
    // of accumulated angle steps, say) is closed here by one more step, which
    // the pass does not add: its angle, at most asin(gap / length) <=
    // pi/2 gap / length, joins the error bound.
    if (ax != firstX || ay != firstY) {
        const double gx = firstX - ax;
        const double gy = firstY - ay;
        const double longer = std::max(aa, firstX * firstX + firstY * firstY);
        const double gapRatioSquared = (gx * gx + gy * gy) / longer;
        if (!(gapRatioSquared < 0.25)) return {};
        errorBound += 0.5 * kPi * std::sqrt(gapRatioSquared);
        if (!CountAxisCrossing(ax, ay, firstX, firstY, ax * firstY - ay * firstX, winding))
            return {};
    }
    errorBound += plainEdges * (kPlainSineError + kTermSlack);
    if (!(errorBound <= kErrorBudget)) return {};
    return {true, winding};
}

}  // namespace rv17
