// The preview pane's view: fitting the selection with a margin, zooming about
// the pointer, panning.
#pragma once

#include <algorithm>
#include <cmath>

#include "geometry/PlaneBox.h"
#include "ui/Canvas.h"

namespace rv17 {

// Each side keeps this share of the pane free around the selection.
inline constexpr double kFitMarginShare = 0.05;
// One notch of the wheel zooms by this factor.
inline constexpr double kWheelZoomFactor = 1.25;

// The selection centred and as large as fits in width x height pixels within
// the margin. An empty selection shows 0..100 on both axes; a line along an
// axis or a point gets a small extent of its own.
inline ui::CanvasView FitView(PlaneBox bounds, double width, double height) {
    if (bounds.empty) bounds.Take({0.0, 0.0}), bounds.Take({100.0, 100.0});
    const double extentX = std::max(bounds.maxX - bounds.minX, 1e-6);
    const double extentY = std::max(bounds.maxY - bounds.minY, 1e-6);
    const double usable = 1.0 - 2.0 * kFitMarginShare;
    ui::CanvasView view;
    view.scale = std::min(width * usable / extentX, height * usable / extentY);
    view.offsetX = width / 2.0 - view.scale * (bounds.minX + bounds.maxX) / 2.0;
    view.offsetY = height / 2.0 + view.scale * (bounds.minY + bounds.maxY) / 2.0;
    return view;
}

// Zooms by `factor` keeping the drawing point under `at` where it is.
inline ui::CanvasView ZoomAbout(ui::CanvasView view, ui::CanvasPoint at, double factor) {
    view.scale *= factor;
    view.offsetX = at.x - (at.x - view.offsetX) * factor;
    view.offsetY = at.y - (at.y - view.offsetY) * factor;
    return view;
}

inline ui::CanvasView Panned(ui::CanvasView view, double dx, double dy) {
    view.offsetX += dx;
    view.offsetY += dy;
    return view;
}

}  // namespace rv17
