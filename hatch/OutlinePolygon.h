// The closed outline against which the clippers test the midpoints of the
// pieces of a hatch line: corners in order, the first repeated at the end.
#pragma once

#include "PlanePoint.h"

struct OutlinePolygon {
    // A ring: 73 points on each edge and the closing point.
    static constexpr int kMaxEntries = 147;

    int count = 0;
    double x[kMaxEntries];
    double y[kMaxEntries];

    void Clear() noexcept { count = 0; }
    void Append(PlanePoint p) noexcept {
        if (count == kMaxEntries) return;
        x[count] = p.X;
        y[count] = p.Y;
        ++count;
    }
    void Close() noexcept {
        if (count > 0) Append({x[0], y[0]});
    }
};

// A solid's outline for the clipper that needs it. The outline depends on the
// solid alone, so the sweep may keep it from one hatch line to the next;
// built says whether it holds the outline of the solid being clipped.
struct OutlineSlot {
    bool built = false;
    OutlinePolygon polygon;
};
