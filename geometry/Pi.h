// The circle constant and the multiples of it in which turns are measured,
// each the double nearest its exact value.
#pragma once

#include <numbers>

namespace rv17 {

inline constexpr double kPi = std::numbers::pi;
// Scaling by two is exact, so these are the doubles nearest 2 pi and pi / 2 too.
inline constexpr double kTwoPi = 2.0 * kPi;
inline constexpr double kHalfPi = kPi / 2.0;

}  // namespace rv17
