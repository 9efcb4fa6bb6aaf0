// The runs of lines against the sweep's own walk over every line: the same
// lines, through the same points to the last bit, less those that reach no
// solid, and none after a line that ends its direction.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "hatch/HatchSolid.h"
#include "hatch/LineRuns.h"
#include "hatch/SweepLines.h"
#include "hatch/SweepOrigin.h"
#include "tests/hatch/HatchTestSupport.h"
#include "tests/hatch/RandomDrawing.h"

namespace rv17 {

namespace {

using LineKey = std::tuple<SweepDirection, std::int64_t, double, double>;

bool ReachesAnySolid(const SweepReach& reach, SweepDirection direction, std::int64_t k) {
    for (const LineRange& range : reach.Of(direction).reachingAny) {
        if (range.first <= k && k <= range.last) return true;
    }
    return false;
}

// Compares the runs with the walk for one drawing; returns the runs' count.
std::size_t CheckRuns(std::string_view text, const HatchSettings& settings, std::int64_t longest) {
    const Drawing drawing(text);
    const HatchParameters parameters = DeriveHatchParameters(drawing.Store(), settings);
    const SweepPlan plan = PlanSweepOfStore(drawing.Store(), parameters);
    if (plan.tooLarge) return 0;
    const SweepSolids solids(drawing.Store(), parameters, plan.origin);
    const SweepReach reach(solids, plan);

    std::vector<LineKey> walked;
    VisitSweepLines(plan,
                    [&](const HatchLine& line, std::int64_t k, SweepDirection direction, bool met) {
                        if (met && ReachesAnySolid(reach, direction, k))
                            walked.emplace_back(direction, k, line.ax, line.ay);
                    });
    std::vector<LineKey> cut;
    LineRuns runs(plan, reach, longest);
    std::size_t count = 0;
    for (LineRun run; runs.Next(run); ++count) {
        EXPECT_LE(run.count, longest);
        PlanePoint p = run.position;
        for (std::int64_t i = 0; i < run.count; ++i, p = NextLinePoint(plan, run.direction, p)) {
            const HatchLine line = plan.LineThrough(p);
            cut.emplace_back(run.direction, run.first + i, line.ax, line.ay);
        }
    }
    EXPECT_EQ(walked, cut) << "drawing:\n" << text << "interval " << settings.interval;
    return count;
}

TEST(LineRuns, AreTheLinesOfTheWalkThatReachASolid) {
    RandomDrawing generator(11);
    for (int drawing = 0; drawing < 400; ++drawing) {
        RandomDrawing::Sample sample = generator.Next();
        CheckRuns(sample.text, sample.settings, 1 + drawing % 8);
        sample.settings.interval = "0.07";  // many lines between small solids
        CheckRuns(sample.text, sample.settings, 8);
    }
}

// Two small triangles a million lines apart: a few runs, the lines between
// them passed over.
TEST(LineRuns, PassOverTheLinesBetweenFarSolids) {
    HatchSettings settings;
    settings.interval = "0.01";
    for (const char* angle : {"0", "10"}) {
        settings.angleDegrees = angle;
        const std::size_t runs =
            CheckRuns("sl 0 0 1 0 0 1\nsl 0 10000 1 10000 0 10001\n", settings, 8);
        EXPECT_GT(runs, 20u);
        EXPECT_LT(runs, 60u);
    }
}

}  // namespace

}  // namespace rv17
