// Derivation of the conversion's numbers from the dialog's values.
#include "hatch/HatchParameters.h"

#include <cmath>

#include "exchange/ListIndexMaps.h"
#include "geometry/Pi.h"
#include "geometry/TextConversions.h"
#include "hatch/DrawingScale.h"

namespace rv17 {

namespace {

// Beyond this many degrees the radians (degrees / 180 * pi) would be coarser
// than about 1e-10 and past the range where sine and cosine keep their last
// place, and far enough out pi itself is lost (a + pi == a), which leaves the
// lines without a direction. Such an angle is first brought into 0..360
// degrees, which the remainder does exactly; every smaller angle is converted
// as typed.
constexpr double kLargestUnreducedDegrees = 0x1p25;

// A list without a selection reports -1; it counts as the first entry.
std::int32_t SelectedEntry(std::int32_t index) noexcept { return index == -1 ? 0 : index; }

}  // namespace

double AngleRadians(double degrees) noexcept {
    if (std::fabs(degrees) > kLargestUnreducedDegrees) {
        degrees = std::fmod(degrees, 360.0);
        if (degrees < 0.0) degrees += 360.0;
    }
    return degrees / 180.0 * kPi;
}

double ClampedInterval(const HatchSettings& settings) noexcept {
    const double interval = TextToReal(settings.interval);
    if (interval < kMinInterval) return kMinInterval;
    if (interval > kMaxInterval) return kMaxInterval;
    return interval;
}

HatchParameters DeriveHatchParameters(const EntityStore& store, const HatchSettings& settings) {
    HatchParameters parameters;
    parameters.interval = AppliedInterval(store, ClampedInterval(settings), settings.realSize);
    parameters.angle = AngleRadians(TextToReal(settings.angleDegrees));
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
