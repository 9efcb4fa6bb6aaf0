// Derivation of the conversion's numbers from the dialog's values.
#include "hatch/HatchParameters.h"

#include "exchange/ListIndexMaps.h"
#include "geometry/Pi.h"
#include "geometry/TextConversions.h"

namespace rv17 {

namespace {

// A list without a selection reports -1; it counts as the first entry.
std::int32_t SelectedEntry(std::int32_t index) noexcept { return index == -1 ? 0 : index; }

}  // namespace

double ClampedInterval(const HatchSettings& settings) noexcept {
    const double interval = TextToReal(settings.interval);
    if (interval < kMinInterval) return kMinInterval;
    if (interval > kMaxInterval) return kMaxInterval;
    return interval;
}

HatchParameters DeriveHatchParameters(const EntityStore& store, const HatchSettings& settings) {
    HatchParameters parameters;
    parameters.interval = ClampedInterval(settings);
    parameters.angle = TextToReal(settings.angleDegrees) / 180.0 * kPi;
    parameters.hatchColour = ColourFromListIndex(store, SelectedEntry(settings.colourIndex));
    parameters.lineType = LineTypeFromListIndex(store, SelectedEntry(settings.lineTypeIndex));
    parameters.lineWidth = TextToInteger(settings.width);
    parameters.recolourNumberedSolids = settings.recolourNumberedSolids;
    parameters.recolourSxfSolids = settings.recolourSxfSolids;
    const IndicatedPoint& first = store.indicatedPoints[1];
    if (first.defined) parameters.reference = {first.x, first.y};
    return parameters;
}

}  // namespace rv17
