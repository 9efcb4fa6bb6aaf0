// Which coordinates a picture can take: finite and not so far out that the
// number output of a picture or the pixel arithmetic of a canvas breaks.
#pragma once

#include <cmath>

namespace rv17 {

// Largest magnitude a coordinate may have to be drawn; with four decimals it
// still fits the integer arithmetic of the SVG number output.
inline constexpr double kMaxDrawableCoordinate = 1e9;

// True for a finite value within kMaxDrawableCoordinate of zero.
inline bool IsDrawable(double value) noexcept {
    return std::isfinite(value) && std::fabs(value) <= kMaxDrawableCoordinate;
}

}  // namespace rv17
