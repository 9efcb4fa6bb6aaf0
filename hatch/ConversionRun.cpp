// The conversion that OK starts: the checks, the output in its order, the save.
#include "hatch/ConversionRun.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <thread>
#include <utility>

#include "exchange/AttributeEmitters.h"
#include "exchange/EntityWriteBack.h"
#include "exchange/ExchangeWriter.h"
#include "geometry/TextConversions.h"
#include "hatch/ConversionBuild.h"
#include "hatch/HatchParameters.h"
#include "hatch/HatchSolid.h"
#include "hatch/PieceJoiner.h"
#include "hatch/PieceWriter.h"
#include "hatch/SolidBounds.h"
#include "hatch/SweepOrigin.h"
#include "hatch/SweepPlan.h"

namespace rv17 {

namespace {

SweepPlan PlanFor(const EntityStore& store, const HatchParameters& parameters) {
    return PlanSweepOfStore(store, parameters);
}

}  // namespace

// The sweep takes every core there is, up to a few; at least one where the
// count is not known (reported as 0).
SweepOptions EveryCoreSweep(std::stop_token stop) {
    SweepOptions options;
    options.threads = std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
    options.stop = std::move(stop);
    return options;
}

ConversionOutcome CheckConversion(const EntityStore& store, const HatchSettings& settings) {
    const double interval = TextToReal(settings.interval);
    if (interval < kMinInterval || interval > kMaxInterval)
        return ConversionOutcome::IntervalRefused;
    // Digits beyond the 32-bit range would convert to 0, a valid width.
    const std::int32_t width = TextToInteger(settings.width);
    if (width < kMinWidth || width > kMaxWidth || DecimalTextOverflows(settings.width))
        return ConversionOutcome::WidthRefused;
    if (SolidCount(store) == 0) return ConversionOutcome::NoSolidsRefused;
    const HatchParameters parameters = DeriveHatchParameters(store, settings);
    if (!PlanFor(store, parameters).tooLarge) return ConversionOutcome::Accepted;
    // No interval mends a drawing whose extent is not a finite size: say so.
    const PlaneBox bounds = BuildSolidBounds(store);
    const double across = bounds.maxX - bounds.minX;
    const double upright = bounds.maxY - bounds.minY;
    const PlanePoint centre{bounds.minX + across / 2.0, bounds.minY + upright / 2.0};
    if (!std::isfinite(across) || !std::isfinite(upright) || !std::isfinite(centre.X) ||
        !std::isfinite(centre.Y))
        return ConversionOutcome::ExtentRefused;
    // Nor one whose lines cannot be aligned to a reference point so far away
    // that its distance swamps the interval: aligned to the centre, they can.
    HatchParameters centred = parameters;
    centred.reference = centre;
    if (!PlanFor(store, centred).tooLarge) return ConversionOutcome::ReferenceTooFar;
    return ConversionOutcome::SweepTooLarge;
}

ConversionResult BuildConversionOutput(OutputWriter& writer, const HatchSettings& settings,
                                       const SweepOptions& options) {
    const EntityStore& store = writer.Drawing();
    ConversionResult result;
    const HatchParameters parameters = DeriveHatchParameters(store, settings);
    const SweepPlan plan = PlanFor(store, parameters);
    if (plan.tooLarge) {
        result.outcome = ConversionOutcome::SweepTooLarge;
        return result;
    }

    // The host replaces the selection with everything after "hd".
    writer.Line("hd");
    if (store.bzFlag) writer.Line("bz");
    WriteBackEntities(writer);

    // The hatch pen; the colour follows per piece, as each solid decides it.
    EmitLayerGroup(writer, store.initial.initialLayerGroup);
    EmitLayer(writer, store.initial.initialLayer);
    EmitLineType(writer, parameters.lineType);
    EmitLineWidth(writer, parameters.lineWidth);

    result.solids = SolidCount(store);
    result.firstSweepLine = writer.LinesWritten();
    const SweepSolids solids(store, parameters, plan.origin);
    PieceWriter pieces(writer, plan.origin);
    if (settings.joinTouching) {
        PieceJoiner joiner(pieces, plan.angle);
        result.complete = RunSweep(solids, plan, options, joiner);
    } else {
        result.complete = RunSweep(solids, plan, options, pieces);
    }
    pieces.Finish();
    result.hatchSegments = pieces.Segments();
    return result;
}

namespace {

ConversionResult BuildAndSave(const EntityStore& store, const HatchSettings& settings,
                              const std::filesystem::path& savePath, OutputHolding holding) {
    ConversionResult result;
    result.outcome = CheckConversion(store, settings);
    if (result.outcome != ConversionOutcome::Accepted) return result;
    // When saving fails the file at savePath stays as it was.
    if (holding == OutputHolding::Held) {
        OutputWriter writer(store);
        result = BuildConversionOutput(writer, settings, EveryCoreSweep());
        if (result.outcome != ConversionOutcome::Accepted) return result;
        result.heldLines = writer.TakeLines();
        result.saveError = SaveExchangeFile(result.heldLines, savePath);
    } else {
        ExchangeFileStream stream(savePath);
        if (stream.IsOpen()) {
            OutputWriter writer(store, stream);
            result = BuildConversionOutput(writer, settings, EveryCoreSweep());
            // A refusal drops the stream unfinished, which removes its temporary file.
            if (result.outcome != ConversionOutcome::Accepted) return result;
        }
        result.saveError = stream.Finish();
    }
    result.outcome = result.saveError ? ConversionOutcome::SaveFailed : ConversionOutcome::Saved;
    return result;
}

}  // namespace

ConversionResult ConversionRun(const EntityStore& store, const HatchSettings& settings,
                               const std::filesystem::path& savePath, OutputHolding holding) {
    try {
        return BuildAndSave(store, settings, savePath, holding);
    } catch (const std::bad_alloc&) {
        // The unfinished output was dropped with its writer and its temporary
        // file; the drawing itself is never changed, so OK may be tried again
        // (with a larger interval) and writes the same bytes as a first try.
        ConversionResult result;
        result.outcome = ConversionOutcome::OutOfMemory;
        return result;
    }
}

}  // namespace rv17
