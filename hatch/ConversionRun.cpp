// The conversion that OK starts: the checks, the output in its order, the save.
#include "hatch/ConversionRun.h"

#include "exchange/AttributeEmitters.h"
#include "exchange/EntityWriteBack.h"
#include "exchange/ExchangeWriter.h"
#include "geometry/TextConversions.h"
#include "hatch/ConversionBuild.h"
#include "hatch/HatchParameters.h"
#include "hatch/HatchSolid.h"
#include "hatch/SweepPlan.h"

namespace rv17 {

namespace {

SweepPlan PlanFor(const EntityStore& store, const HatchParameters& parameters) {
    return PlanSweep(BuildSolidBounds(store), parameters);
}

}  // namespace

ConversionCheck CheckConversion(const EntityStore& store, const HatchSettings& settings) {
    const double interval = TextToReal(settings.interval);
    if (interval < kMinInterval || interval > kMaxInterval)
        return ConversionCheck::IntervalOutOfRange;
    const std::int32_t width = TextToInteger(settings.width);
    if (width < kMinWidth || width > kMaxWidth) return ConversionCheck::WidthOutOfRange;
    if (SolidCount(store) == 0) return ConversionCheck::NoSolids;
    if (PlanFor(store, DeriveHatchParameters(store, settings)).tooLarge)
        return ConversionCheck::SweepTooLarge;
    return ConversionCheck::Accepted;
}

ConversionBuild BuildConversionOutput(EntityStore& store, const HatchSettings& settings,
                                      const SweepOptions& options) {
    const HatchParameters parameters = DeriveHatchParameters(store, settings);
    const SweepPlan plan = PlanFor(store, parameters);
    if (plan.tooLarge) return {};

    // The host replaces the selection with everything after "hd".
    AppendOutputLine(store, "hd");
    if (store.bzFlag) AppendOutputLine(store, "bz");
    WriteBackEntities(store);

    // The hatch pen; the colour follows per piece, as each solid decides it.
    EmitLayerGroup(store, store.initial.initialLayerGroup);
    EmitLayer(store, store.initial.initialLayer);
    EmitLineType(store, parameters.lineType);
    EmitLineWidth(store, parameters.lineWidth);

    const std::size_t firstSweepLine = store.outputLines.Count();
    RunSweep(store, CollectHatchSolids(store, parameters), plan, options);
    return {true, firstSweepLine};
}

ConversionOutcome ConversionRun(EntityStore& store, const HatchSettings& settings,
                                const std::filesystem::path& savePath, ConversionCounts& counts) {
    const ConversionBuild build = BuildConversionOutput(store, settings);
    if (!build.built) return ConversionOutcome::SweepTooLarge;
    // The sweep writes colour lines ("lc"), "z1" lines and the pieces.
    counts.solids = SolidCount(store);
    counts.hatchSegments = 0;
    for (std::size_t i = build.firstSweepLine; i < store.outputLines.Count(); ++i) {
        const std::string_view line = store.outputLines.Line(i);
        if (!line.empty() && line[0] != 'l' && line[0] != 'z') ++counts.hatchSegments;
    }
    return SaveExchangeFile(store, savePath) ? ConversionOutcome::Saved
                                             : ConversionOutcome::SaveFailed;
}

ConversionOutcome ConversionRun(EntityStore& store, const HatchSettings& settings,
                                const std::filesystem::path& savePath) {
    ConversionCounts counts;
    return ConversionRun(store, settings, savePath, counts);
}

}  // namespace rv17
