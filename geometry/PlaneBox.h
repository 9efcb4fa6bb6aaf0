// The axis-aligned box around a set of points: the sweep's bounds, a solid's
// reach and the extent of a drawing's figures.
#pragma once

#include "geometry/PlanePoint.h"

namespace rv17 {

struct PlaneBox {
    double minX = 0.0;
    double minY = 0.0;
    double maxX = 0.0;
    double maxY = 0.0;
    bool empty = true;  // no point taken yet

    // The first point sets all four sides; later points only widen them. A
    // NaN coordinate widens nothing, unless it came first.
    void Take(double x, double y) noexcept {
        if (empty) {
            minX = maxX = x;
            minY = maxY = y;
            empty = false;
            return;
        }
        if (x < minX) minX = x;
        if (y < minY) minY = y;
        if (x > maxX) maxX = x;
        if (y > maxY) maxY = y;
    }
    void Take(PlanePoint p) noexcept { Take(p.X, p.Y); }

    // The four corners of the square (cx +- h, cy +- h).
    void TakeSquare(double cx, double cy, double h) noexcept {
        Take(cx - h, cy - h);
        Take(cx + h, cy - h);
        Take(cx + h, cy + h);
        Take(cx - h, cy + h);
    }
};

}  // namespace rv17
