// The closed outline against which the clippers test the midpoints of the
// pieces of a hatch line: corners in order, the first repeated at the end.
#pragma once

#include <vector>

#include "geometry/PlanePoint.h"
#include "hatch/CertainInside.h"

namespace rv17 {

struct OutlinePolygon {
    // A ring: 73 points on each edge and the closing point.
    static constexpr int kMaxEntries = 147;

    std::vector<double> x;
    std::vector<double> y;

    int Count() const noexcept { return static_cast<int>(x.size()); }
    // Empties the outline, with room for the entries of the figure to come.
    void Start(int entries) {
        x.clear();
        y.clear();
        x.reserve(static_cast<std::size_t>(entries));
        y.reserve(static_cast<std::size_t>(entries));
    }
    void Append(PlanePoint p) {
        if (Count() == kMaxEntries) return;
        x.push_back(p.X);
        y.push_back(p.Y);
    }
    void Close() {
        if (!x.empty()) Append({x[0], y[0]});
    }
    // Gives the points' memory back.
    void Release() noexcept {
        x = {};
        y = {};
    }
};

// A solid's outline for the clipper that needs it, and the region of its
// inside that is certain without the inside test (when the sweep uses such
// shortcuts). Both depend on the solid alone, so the indexed sweep may keep
// them from one hatch line to the next. The flags say whether each belongs
// to the solid being clipped; the outline is built only when a midpoint
// needs the inside test, with room for its own figure's points.
struct OutlineSlot {
    bool built = false;
    bool certainKnown = false;
    OutlinePolygon polygon;
    CertainInside certain;

    void Forget() noexcept { built = certainKnown = false; }
};

}  // namespace rv17
