// Which solids take the selected hatch colour.
#include "hatch/SolidColourRule.h"

#include "exchange/ColourNumbers.h"

namespace rv17 {

namespace {

constexpr std::int32_t kFirstNumbered = 1;  // the numbered pen colours 1..8
constexpr std::int32_t kLastNumbered = 8;

}  // namespace

std::int32_t SolidColourRule(std::int32_t solidColour, std::int32_t hatchColour,
                             bool recolourNumberedSolids, bool recolourSxfSolids) noexcept {
    // An RGB colour has no pen colour of its own to keep; colour 9 (the
    // auxiliary colour) is always kept.
    if (solidColour == kRgbColour) return hatchColour;
    if (recolourNumberedSolids && solidColour >= kFirstNumbered && solidColour <= kLastNumbered) {
        return hatchColour;
    }
    if (recolourSxfSolids && solidColour >= kFirstSxfColour) return hatchColour;
    return solidColour;
}

}  // namespace rv17
