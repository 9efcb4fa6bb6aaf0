// The texts that tell the user what the typed interval means on the drawing
// and how many hatch segments OK would write.
#pragma once

#include <cstddef>
#include <string>

#include "exchange/EntityStore.h"
#include "hatch/HatchSettings.h"

namespace rv17 {

// "S=1/100　図寸 1 mm ＝ 実寸 100 mm" in Shift-JIS for the typed interval on
// the hatch's layer group. Empty at 1/1, where paper and real size agree, and
// for an interval that OK refuses.
std::string IntervalMeaningText(const EntityStore& drawing, const HatchSettings& settings);

// The same meaning in a form short enough for the status line:
// "S=1/100 図寸1＝実寸100mm"; empty where IntervalMeaningText is.
std::string ShortIntervalMeaningText(const EntityStore& drawing, const HatchSettings& settings);

// "ハッチ線 35本" in Shift-JIS.
std::string SegmentCountText(std::size_t segments);

// A positive millimetre value as a short decimal: at most six decimals, no
// trailing zeros, and never an exponent.
std::string MillimetreText(double value);

}  // namespace rv17
