// Where the parts of the preview picture go: the panels around the bounds of
// what is drawn, and the sizes of strokes, dots and captions in picture pixels.
#pragma once

#include <cstddef>

#include "geometry/PlaneBox.h"

namespace rv17 {

// Sizes in picture pixels; the drawing is scaled so that each panel fits a
// square of kPanelPixels.
inline constexpr double kPanelPixels = 760.0;
inline constexpr double kOuterPixels = 12.0;
inline constexpr double kGapPixels = 24.0;
inline constexpr double kCaptionBandPixels = 34.0;
inline constexpr double kCaptionFontPixels = 14.0;
inline constexpr double kLabelFontPixels =
    10.0;  // texts without a height of their own (block names)
inline constexpr double kFigureStrokePixels = 1.2;
inline constexpr double kHatchStrokePixels = 0.7;
inline constexpr double kOutlineStrokePixels = 1.0;
inline constexpr double kDotRadiusPixels = 1.8;

// Where everything goes, in drawing units; the picture's y is the drawing's -y.
struct Layout {
    double left = 0.0, bottom = 0.0;  // lower left corner of the first panel
    double panelWidth = 0.0, panelHeight = 0.0;
    double unit = 1.0;  // drawing units per picture pixel
    double gap = 0.0, outer = 0.0, captionBand = 0.0;
    int panels = 1;

    double PanelTop() const { return bottom + panelHeight; }
    double TotalWidth() const { return panels * panelWidth + (panels - 1) * gap + 2.0 * outer; }
    double TotalHeight() const { return panelHeight + captionBand + 2.0 * outer; }
};

// Panels of the same size around the bounds (a default square when nothing
// is drawn), with a margin, scaled to fit kPanelPixels.
Layout MakeLayout(PlaneBox bounds, int panels);

}  // namespace rv17
