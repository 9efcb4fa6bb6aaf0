// What a clipper works with besides the hatch line and the solid: the crossing
// list, the inside test, the slot for the solid's outline, and the list that
// receives the line's pieces.
#pragma once

#include <cstdint>
#include <vector>

#include "geometry/PointInPolygon.h"
#include "hatch/CertainInside.h"
#include "hatch/ClippedPiece.h"
#include "hatch/CrossingList.h"
#include "hatch/HatchLine.h"
#include "hatch/LineFrame.h"
#include "hatch/OutlinePolygon.h"

namespace rv17 {

// The inside test of midpoints (PointInPolygon or PointInPolygonFast).
using InsideTest = PolygonPosition (*)(int n, const double* x, const double* y, double px,
                                       double py) noexcept;

// frame: the line's shared facts, given by the indexed sweep. With them the
// clippers take shortcuts that give the same results to the last bit;
// without them (the literal sweep) every step is computed in full.
// The pieces are in the sweep's frame, as the solids are.
struct ClipContext {
    CrossingList& crossings;
    InsideTest insideTest;
    OutlineSlot& outline;
    const LineFrame* frame;
    std::vector<ClippedPiece>& pieces;
};

inline void EmitPiece(ClipContext& context, std::int32_t hatchColour, double x1, double y1,
                      double x2, double y2) {
    context.pieces.push_back(ClippedPiece{hatchColour, x1, y1, x2, y2});
}

// No midpoint on an outline counts as inside.
struct OnOutlineIsOutside {
    bool operator()(const OutlinePolygon&, double, double) const noexcept { return false; }
};

// Writes every piece between consecutive crossings whose midpoint is inside:
// certainly inside by the slot's knowledge, or by the inside test against the
// outline, which fillOutline(OutlinePolygon&) builds when first needed. A
// midpoint on the outline is inside where onOutline(outline, x, y) says so:
// an outline may run along a line that is not the solid's edge.
// Each piece runs from the earlier crossing to the later one.
template <class FillOutline, class OnOutline = OnOutlineIsOutside>
void EmitInsidePieces(ClipContext& context, std::int32_t hatchColour, FillOutline&& fillOutline,
                      OnOutline&& onOutline = {}) {
    const CrossingList& crossings = context.crossings;
    OutlineSlot& slot = context.outline;
    const double* x = crossings.X();
    const double* y = crossings.Y();
    for (int i = 0; i + 1 < crossings.Count(); ++i) {
        // Every consecutive pair is judged on its own: in a bow-tie both lobes
        // are inside and the stretch between them is not.
        const double midX = (x[i] + x[i + 1]) / 2.0;
        const double midY = (y[i] + y[i + 1]) / 2.0;
        if (!slot.certain.Holds(midX, midY)) {
            if (!slot.built) {
                fillOutline(slot.polygon);
                slot.built = true;
            }
            const OutlinePolygon& outline = slot.polygon;
            const PolygonPosition position =
                context.insideTest(outline.Count(), outline.x.data(), outline.y.data(), midX, midY);
            if (position == PolygonPosition::Outside) continue;
            if (position == PolygonPosition::OnOutline && !onOutline(outline, midX, midY)) continue;
        }
        EmitPiece(context, hatchColour, x[i], y[i], x[i + 1], y[i + 1]);
    }
}

}  // namespace rv17
