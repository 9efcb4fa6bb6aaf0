// A conversion for the preview: OK's checks and output, held in memory up to
// the segment budget.
#include "drawing/PreviewHatch.h"

#include <algorithm>
#include <utility>

#include "exchange/OutputWriter.h"
#include "hatch/ConversionBuild.h"
#include "hatch/ConversionRun.h"

namespace rv17 {

namespace {

// Keeps the output lines until the sweep's composed lines, two for each
// segment written ("z1" and the segment), go beyond the budget; then keeps no
// more and stops the sweep.
class BudgetedLines final : public OutputLineSink {
public:
    BudgetedLines(std::size_t segmentBudget, std::stop_source& stop) noexcept
        : composedBudget_(2 * segmentBudget), stop_(stop) {}

    void Line(std::string_view line) override {
        if (!over_) lines_.Append(line);
    }
    void ComposedLines(std::string_view lines) override {
        if (over_) return;
        composed_ += static_cast<std::size_t>(std::count(lines.begin(), lines.end(), '\n'));
        if (composed_ > composedBudget_) {
            over_ = true;
            lines_.Release();
            stop_.request_stop();
            return;
        }
        ForEachComposedLine(lines, [&](std::string_view line) { lines_.Append(line); });
    }

    bool Over() const noexcept { return over_; }
    const OutputLines& Lines() const noexcept { return lines_; }

private:
    const std::size_t composedBudget_;
    std::stop_source& stop_;
    OutputLines lines_;
    std::size_t composed_ = 0;
    bool over_ = false;
};

}  // namespace

PreviewHatch ComputePreviewHatch(const EntityStore& drawing, const HatchSettings& settings,
                                 std::stop_token stop, std::size_t segmentBudget) {
    PreviewHatch result;
    result.outcome = CheckConversion(drawing, settings);
    if (result.outcome != ConversionOutcome::Accepted) return result;

    // The sweep stops for the caller or for the budget, whichever comes first.
    std::stop_source sweepStop;
    const std::stop_callback forward(stop, [&sweepStop] { sweepStop.request_stop(); });
    BudgetedLines lines(segmentBudget, sweepStop);
    OutputWriter writer(drawing, lines);
    const ConversionResult built =
        BuildConversionOutput(writer, settings, EveryCoreSweep(sweepStop.get_token()));
    if (lines.Over()) {
        result.overBudget = true;
        return result;
    }
    result.complete = built.complete;
    result.outcome = built.outcome;
    if (!result.complete || built.outcome != ConversionOutcome::Accepted) return result;
    ConvertedDrawing converted = ReadConvertedDrawing(drawing, lines.Lines(), built.firstSweepLine);
    result.hatch = std::move(converted.hatch);
    return result;
}

}  // namespace rv17
