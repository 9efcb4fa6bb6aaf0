// The geometry of one sweep: the bounds, the half-length and centre, the
// start point aligned to the reference point, the steps between lines, and
// how many lines the sweep can visit at most.
#pragma once

#include <cstdint>

#include "geometry/PlanePoint.h"
#include "hatch/HatchLine.h"
#include "hatch/HatchParameters.h"
#include "hatch/SolidBounds.h"

namespace rv17 {

// A sweep beyond this many hatch lines would keep the program busy for hours.
inline constexpr std::int64_t kMaxHatchLines = 100'000'000;

struct SweepPlan {
    // The point the coordinates below are taken from: the sweep works on the
    // solids moved by -origin and moves every piece back by +origin.
    PlanePoint origin{};
    PlaneBox bounds;
    double interval = 1.0;    // p
    double angle = 0.0;       // a
    double halfLength = 0.0;  // L
    PlanePoint centre{};      // C
    PlanePoint start{};       // S
    // A = P + L (cos a, sin a), B = P + L (cos(a + pi), sin(a + pi)).
    PlanePoint towardsA{};
    PlanePoint towardsB{};
    // p (cos(a + pi/2), sin(a + pi/2)) and p (cos(a - pi/2), sin(a - pi/2)).
    PlanePoint forwardStep{};
    PlanePoint backwardStep{};

    // Across the lines: the unit normal of the lines as drawn (from B to A
    // turned by +90 degrees), the signed distance one forward and one backward
    // step moves a line along it, and how far the lines' accumulated positions
    // may stray from whole numbers of steps.
    PlanePoint normal{};
    double forwardProgress = 0.0;
    double backwardProgress = 0.0;
    double positionSlack = 0.0;
    // The largest coordinate magnitude of the points on the swept lines' midpoints.
    double magnitude = 0.0;

    // Upper bounds of the lines visited after the line through S, in each
    // direction; the line that ends a direction is counted.
    std::int64_t forwardLines = 0;
    std::int64_t backwardLines = 0;
    // True when the sweep would visit more than kMaxHatchLines lines, or
    // could not be relied on to end (bounds or steps that are not finite,
    // or steps lost in the rounding of the positions).
    bool tooLarge = false;

    HatchLine LineThrough(PlanePoint p) const noexcept {
        return {p.X + towardsA.X, p.Y + towardsA.Y, p.X + towardsB.X, p.Y + towardsB.Y, angle};
    }
};

SweepPlan PlanSweep(const PlaneBox& bounds, const HatchParameters& parameters);

}  // namespace rv17
