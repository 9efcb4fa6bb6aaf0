// Runs of lines found by walking the line numbers, not the lines.
#include "hatch/LineRuns.h"

#include "hatch/SweepLines.h"

namespace rv17 {

LineRuns::LineRuns(const SweepPlan& plan, const SweepReach& reach, std::int64_t longest) noexcept
    : plan_(plan), reach_(reach), longest_(longest) {
    BeginDirection(SweepDirection::Forward);
}

std::int64_t LineRuns::LinesReachingAny(const SweepReach& reach) noexcept {
    std::int64_t lines = 0;
    for (const SweepDirection direction : {SweepDirection::Forward, SweepDirection::Backward}) {
        for (const LineRange& range : reach.Of(direction).reachingAny)
            lines += range.last - range.first + 1;
    }
    return lines;
}

// The line through S is number 0 of the forward direction; the backward one
// starts one step from S.
void LineRuns::BeginDirection(SweepDirection direction) noexcept {
    direction_ = direction;
    nextReaching_ = 0;
    k_ = 0;
    p_ = plan_.start;
    if (direction == SweepDirection::Backward) Step();
}

void LineRuns::Step() noexcept {
    p_ = NextLinePoint(plan_, direction_, p_);
    ++k_;
}

// A direction ends at its first line that misses the bounds (the line through
// S excepted). Lines passed over lie between the line through S, whose point
// is within one step of the bounds' centre, and a line that reaches a solid,
// or between two lines that reach solids: each crosses the box of the solids
// well inside, so none of them can end the direction.
bool LineRuns::Next(LineRun& run) {
    while (!done_) {
        const std::vector<LineRange>& reaching = reach_.Of(direction_).reachingAny;
        if (nextReaching_ == reaching.size()) {
            // The lines still to come reach no solid.
            if (direction_ == SweepDirection::Backward) {
                done_ = true;
            } else {
                BeginDirection(SweepDirection::Backward);
            }
            continue;
        }
        const LineRange range = reaching[nextReaching_];
        if (range.last < k_) {
            ++nextReaching_;
            continue;
        }
        while (k_ < range.first) Step();

        run = {direction_, k_, p_, 0};
        bool ended = false;
        while (run.count < longest_ && k_ <= range.last) {
            if (!LineMeetsBounds(plan_.LineThrough(p_), plan_.bounds)) {
                if (k_ != 0) {
                    ended = true;
                    break;
                }
                Step();  // the line through S is passed over, and the sweep goes on
                run = {direction_, k_, p_, 0};
                continue;
            }
            ++run.count;
            Step();
        }
        if (ended) nextReaching_ = reaching.size();
        if (run.count > 0) return true;
    }
    return false;
}

}  // namespace rv17
