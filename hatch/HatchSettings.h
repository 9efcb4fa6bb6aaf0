// The values one conversion takes from the dialog, as the user left them in
// the controls, with their defaults and the ranges that OK accepts.
#pragma once

#include <cstdint>
#include <string>

namespace rv17 {

struct HatchSettings {
    std::string interval = "1";      // paper millimetres (real size with realSize), as typed
    std::string angleDegrees = "0";  // degrees, as typed
    std::int32_t colourIndex = 0;    // entry of the colour list; -1 = no selection
    std::int32_t lineTypeIndex = 0;  // entry of the line-type list; -1 = no selection
    std::string width = "-1";        // 1/100 mm, as typed; -1 = the current width
    bool recolourNumberedSolids = false;
    bool recolourSxfSolids = false;
    // The interval is in real-size millimetres rather than paper millimetres.
    bool realSize = false;
    // The pieces of a hatch line that share a colour and overlap or touch are
    // written as one segment.
    bool joinTouching = false;
};

inline constexpr double kMinInterval = 0.01;
inline constexpr double kMaxInterval = 100.0;
inline constexpr std::int32_t kMinWidth = -1;
inline constexpr std::int32_t kMaxWidth = 30000;

}  // namespace rv17
