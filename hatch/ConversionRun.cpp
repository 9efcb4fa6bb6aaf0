// The conversion that OK starts: the checks, the output in its order, the save.
#include "hatch/ConversionRun.h"

#include <cmath>
#include <new>

#include "exchange/ExchangeWriter.h"
#include "geometry/TextConversions.h"
#include "hatch/ConversionBuild.h"
#include "hatch/HatchParameters.h"
#include "hatch/SolidBounds.h"
#include "hatch/SweepOrigin.h"

namespace rv17 {

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
    if (!PlanSweepOfStore(store, parameters).tooLarge) return ConversionOutcome::Accepted;
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
    if (!PlanSweepOfStore(store, centred).tooLarge) return ConversionOutcome::ReferenceTooFar;
    return ConversionOutcome::SweepTooLarge;
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
