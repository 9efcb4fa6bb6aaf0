// The sweep's hatch lines cut into runs of consecutive lines, one run at a
// time and in the sweep's order, without holding the lines: a run is its
// first line's number and position, and the lines after it are found by
// adding steps, as the sweep does. Lines that reach no solid are passed over.
#pragma once

#include <cstdint>

#include "geometry/PlanePoint.h"
#include "hatch/SweepIndex.h"
#include "hatch/SweepPlan.h"

namespace rv17 {

// count lines of one direction from line number first, each meeting the
// bounds; the first line passes through position.
struct LineRun {
    SweepDirection direction = SweepDirection::Forward;
    std::int64_t first = 0;
    PlanePoint position{};
    std::int64_t count = 0;
};

// The point of the line after the line through p, in the direction.
inline PlanePoint NextLinePoint(const SweepPlan& plan, SweepDirection direction,
                                PlanePoint p) noexcept {
    const PlanePoint step =
        direction == SweepDirection::Forward ? plan.forwardStep : plan.backwardStep;
    return {p.X + step.X, p.Y + step.Y};
}

class LineRuns {
public:
    // Runs of at most longest lines; plan and reach are only read, and must
    // outlive this.
    LineRuns(const SweepPlan& plan, const SweepReach& reach, std::int64_t longest) noexcept;

    // The next run; false when the sweep has no more lines to hatch.
    bool Next(LineRun& run);

    // Lines that reach some solid, over both directions: at most as many
    // lines as the runs hold.
    static std::int64_t LinesReachingAny(const SweepReach& reach) noexcept;

private:
    void BeginDirection(SweepDirection direction) noexcept;
    void Step() noexcept;

    const SweepPlan& plan_;
    const SweepReach& reach_;
    const std::int64_t longest_;
    SweepDirection direction_ = SweepDirection::Forward;
    bool done_ = false;
    std::size_t nextReaching_ = 0;  // in reach_.Of(direction_).reachingAny
    std::int64_t k_ = 0;            // the line number and point of the next line
    PlanePoint p_{};
};

}  // namespace rv17
