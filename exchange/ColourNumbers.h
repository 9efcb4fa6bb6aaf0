// The colour numbers of the exchange file that stand for more than a pen colour.
#pragma once

#include <cstdint>

namespace rv17 {

// A figure of this colour has an RGB value of its own, written after the
// colour's key ("lc10 <value>").
constexpr std::int32_t kRgbColour = 10;

// The SXF colours are numbered from here upward.
constexpr std::int32_t kFirstSxfColour = 101;

}  // namespace rv17
