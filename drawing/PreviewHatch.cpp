// A conversion for the preview: OK's checks and output on a copy of the store.
#include "drawing/PreviewHatch.h"

#include "hatch/ConversionBuild.h"
#include "hatch/ConversionRun.h"

namespace rv17 {

namespace {

// Thrown from the sweep's line observer to leave a sweep that is out of date.
struct GivenUp {};

}  // namespace

PreviewHatch ComputePreviewHatch(const EntityStore& drawing, const HatchSettings& settings,
                                 const std::function<bool()>& stale) {
    PreviewHatch result;
    result.outcome = CheckConversion(drawing, settings);
    if (result.outcome != ConversionOutcome::Accepted) return result;

    EntityStore work = drawing;
    const LineObserver observer = [&stale](const HatchLine&, bool) {
        if (stale()) throw GivenUp{};
    };
    SweepOptions options;
    if (stale) options.observer = &observer;
    ConversionResult built;
    try {
        built = BuildConversionOutput(work, settings, options);
    } catch (const GivenUp&) {
        result.complete = false;
        return result;
    }
    result.outcome = built.outcome;
    if (built.outcome != ConversionOutcome::Accepted) return result;
    ConvertedDrawing converted = ReadConvertedDrawing(work, work.outputLines, built.firstSweepLine);
    result.hatch = std::move(converted.hatch);
    return result;
}

}  // namespace rv17
