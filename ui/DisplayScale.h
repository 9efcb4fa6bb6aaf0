// Designs are drawn in pixels of a 96-dpi display; a denser display gets each
// designed value times dpi/96, rounded once, so text and controls keep their
// proportions at 125 % or 150 % scaling.
#pragma once

#include <cstdint>

#include "ui/Toolkit.h"

namespace rv17 {

namespace ui {

// The display density the designs' pixels are meant for.
inline constexpr int kDesignDpi = 96;

// `designed` times dpi/96, rounded to the nearest pixel, halves away from zero.
// Each value is rounded on its own: a control's width is its designed width
// scaled, not the difference of two rounded edges.
constexpr int ScaleForDpi(int designed, int dpi) {
    const std::int64_t product = static_cast<std::int64_t>(designed) * dpi;
    const std::int64_t half = kDesignDpi / 2;
    const std::int64_t magnitude = ((product < 0 ? -product : product) + half) / kDesignDpi;
    return static_cast<int>(product < 0 ? -magnitude : magnitude);
}

constexpr Rect ScaleForDpi(const Rect& designed, int dpi) {
    return {ScaleForDpi(designed.left, dpi), ScaleForDpi(designed.top, dpi),
            ScaleForDpi(designed.width, dpi), ScaleForDpi(designed.height, dpi)};
}

// The design as laid out at `dpi`: client area, control bounds and font
// heights scaled. The window's position stays as it is, since it is a place
// on the screen and not a size.
inline WindowDesign ScaledDesign(WindowDesign design, int dpi) {
    design.clientWidth = ScaleForDpi(design.clientWidth, dpi);
    design.clientHeight = ScaleForDpi(design.clientHeight, dpi);
    for (ControlDesign& control : design.controls) {
        control.bounds = ScaleForDpi(control.bounds, dpi);
        control.fontHeight = ScaleForDpi(control.fontHeight, dpi);
    }
    return design;
}

}  // namespace ui

}  // namespace rv17
