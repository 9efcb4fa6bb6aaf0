// The colour that a solid's hatch lines take: the selected hatch colour or
// the solid's own colour, depending on the kind of colour the solid has.
#pragma once

#include <cstdint>

namespace rv17 {

std::int32_t SolidColourRule(std::int32_t solidColour, std::int32_t hatchColour,
                             bool recolourNumberedSolids, bool recolourSxfSolids) noexcept;

}  // namespace rv17
