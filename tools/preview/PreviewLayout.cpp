// The panel layout of the preview picture.
#include "tools/preview/PreviewLayout.h"

#include <algorithm>
#include <cmath>

namespace rv17 {

namespace {

// Drawings narrower than this (in drawing units) are shown at this width.
constexpr double kMinimumExtent = 1.0;
constexpr double kMarginShare = 0.04;

}  // namespace

Layout MakeLayout(PlaneBox bounds, int panels) {
    if (bounds.empty) bounds.Take({0.0, 0.0}), bounds.Take({100.0, 100.0});
    double width = bounds.maxX - bounds.minX;
    double height = bounds.maxY - bounds.minY;
    // A drawing that is a single point or a line along one axis still gets a panel.
    const double extent = std::max({width, height, kMinimumExtent});
    const double thinnest = extent / 20.0;
    const double centreX = (bounds.minX + bounds.maxX) / 2.0;
    const double centreY = (bounds.minY + bounds.maxY) / 2.0;
    width = std::max(width, thinnest);
    height = std::max(height, thinnest);
    const double margin = extent * kMarginShare;

    Layout layout;
    layout.panels = panels;
    layout.panelWidth = width + 2.0 * margin;
    layout.panelHeight = height + 2.0 * margin;
    layout.left = centreX - layout.panelWidth / 2.0;
    layout.bottom = centreY - layout.panelHeight / 2.0;
    layout.unit = std::max(layout.panelWidth, layout.panelHeight) / kPanelPixels;
    layout.gap = kGapPixels * layout.unit;
    layout.outer = kOuterPixels * layout.unit;
    layout.captionBand = kCaptionBandPixels * layout.unit;
    return layout;
}

}  // namespace rv17
