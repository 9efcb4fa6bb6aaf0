// The order in which the sweep visits its hatch lines: the line through S,
// then forward and then backward, each direction ending at the first line that
// misses the bounds. Each position adds one step to the last, so the lines'
// coordinates are the same however the sweep hands them on.
#pragma once

#include <cstdint>

#include "hatch/SweepIndex.h"
#include "hatch/SweepPlan.h"

namespace rv17 {

// Whether the segment A-B crosses an edge of the bounds (bottom, left, top,
// right), a crossing counting when it lies on both segments.
bool LineMeetsBounds(const HatchLine& line, const PlaneBox& bounds) noexcept;

// Calls visit(line, k, direction, met) for each line in order: line number k
// of its direction, and whether it meets the bounds (only those are hatched).
template <class Visit>
void VisitSweepLines(const SweepPlan& plan, Visit&& visit) {
    const auto line = [&](PlanePoint p, std::int64_t k, SweepDirection direction) {
        const HatchLine through = plan.LineThrough(p);
        const bool met = LineMeetsBounds(through, plan.bounds);
        visit(through, k, direction, met);
        return met;
    };
    line(plan.start, 0, SweepDirection::Forward);  // whether or not it meets the bounds
    PlanePoint p = plan.start;
    for (std::int64_t k = 1;; ++k) {
        p = {p.X + plan.forwardStep.X, p.Y + plan.forwardStep.Y};
        if (!line(p, k, SweepDirection::Forward)) break;
    }
    p = plan.start;
    for (std::int64_t k = 1;; ++k) {
        p = {p.X + plan.backwardStep.X, p.Y + plan.backwardStep.Y};
        if (!line(p, k, SweepDirection::Backward)) break;
    }
}

}  // namespace rv17
