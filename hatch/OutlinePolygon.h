// The closed outline against which the clippers test the midpoints of the
// pieces of a hatch line: corners in order, the first repeated at the end.
#pragma once

#include "geometry/PlanePoint.h"
#include "hatch/CertainInside.h"

namespace rv17 {

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

// A solid's outline for the clipper that needs it, and the region of its
// inside that is certain without the inside test (when the sweep uses such
// shortcuts). Both depend on the solid alone, so the indexed sweep keeps
// them from one hatch line to the next. The flags say whether each belongs
// to the solid being clipped; the outline is built only when a midpoint
// needs the inside test.
struct OutlineSlot {
    bool built = false;
    bool certainKnown = false;
    OutlinePolygon polygon;
    CertainInside certain;

    void Forget() noexcept { built = certainKnown = false; }
};

}  // namespace rv17
