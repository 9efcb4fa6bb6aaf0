// A conversion for the preview: OK's checks and output, held in memory.
#include "drawing/PreviewHatch.h"

#include <utility>

#include "exchange/OutputWriter.h"
#include "hatch/ConversionBuild.h"
#include "hatch/ConversionRun.h"

namespace rv17 {

PreviewHatch ComputePreviewHatch(const EntityStore& drawing, const HatchSettings& settings,
                                 std::stop_token stop) {
    PreviewHatch result;
    result.outcome = CheckConversion(drawing, settings);
    if (result.outcome != ConversionOutcome::Accepted) return result;

    OutputWriter writer(drawing);
    const ConversionResult built =
        BuildConversionOutput(writer, settings, EveryCoreSweep(std::move(stop)));
    result.complete = built.complete;
    result.outcome = built.outcome;
    if (!built.complete || built.outcome != ConversionOutcome::Accepted) return result;
    ConvertedDrawing converted =
        ReadConvertedDrawing(drawing, writer.Lines(), built.firstSweepLine);
    result.hatch = std::move(converted.hatch);
    return result;
}

}  // namespace rv17
