// The numbers one conversion works with, derived from the dialog's values and
// the drawing: interval, angle, pen codes, recolouring flags, reference point.
#pragma once

#include <cstdint>

#include "exchange/EntityStore.h"
#include "geometry/PlanePoint.h"
#include "hatch/HatchSettings.h"

namespace rv17 {

struct HatchParameters {
    double interval = 1.0;         // p: in the file's coordinates (typed 0.01..100, scaled)
    double angle = 0.0;            // a: radians
    std::int32_t hatchColour = 1;  // c: a colour code, not a list entry
    std::int32_t lineType = 1;     // t: a line-type code, not a list entry
    std::int32_t lineWidth = -1;   // w: 1/100 mm; -1 the drawing's first width
    bool recolourNumberedSolids = false;
    bool recolourSxfSolids = false;
    PlanePoint reference{};  // R: the host's indicated point 1, else the origin
};

HatchParameters DeriveHatchParameters(const EntityStore& store, const HatchSettings& settings);

// The angle in radians: degrees / 180 * pi, for an angle too large for that
// to keep its precision the same angle brought into 0..360 degrees first.
double AngleRadians(double degrees) noexcept;

// The interval text as a number brought into 0.01..100, before any scale.
double ClampedInterval(const HatchSettings& settings) noexcept;

}  // namespace rv17
