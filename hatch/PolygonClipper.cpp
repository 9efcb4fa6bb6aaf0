// Triangle and quadrilateral solids: crossings with the straight edges, and
// the pieces between them that lie inside.
#include "hatch/PolygonClipper.h"

#include "geometry/Intersections.h"

namespace rv17 {

namespace {

// Only a crossing on both segments counts: parallel edges, an edge along the
// line and lines that meet outside an edge add nothing.
void AddEdgeCrossing(CrossingList& crossings, const HatchLine& line, double x1, double y1,
                     double x2, double y2) noexcept {
    const SegmentCrossing crossing =
        SegmentIntersection(line.ax, line.ay, line.bx, line.by, x1, y1, x2, y2);
    if (crossing.code == CrossingCode::OnBoth)
        crossings.AddCrossing(crossing.point.X, crossing.point.Y);
}

void ClipCorners(ClipContext& context, std::int32_t hatchColour, const HatchLine& line,
                 const double* x, const double* y, int corners) {
    CrossingList& crossings = context.crossings;
    crossings.Clear();
    const LineFrame* frame = context.frame;
    if (frame == nullptr) {
        for (int i = 0; i < corners; ++i) {
            const int next = i + 1 == corners ? 0 : i + 1;
            AddEdgeCrossing(crossings, line, x[i], y[i], x[next], y[next]);
        }
    } else {
        // Each corner's side of the line, once; an edge with both corners
        // clearly on one side cannot meet the line.
        int sides[4];
        for (int i = 0; i < corners; ++i) sides[i] = frame->Side(x[i], y[i]);
        for (int i = 0; i < corners; ++i) {
            const int next = i + 1 == corners ? 0 : i + 1;
            if (sides[i] != 0 && sides[i] == sides[next]) continue;
            const SegmentCrossing crossing = frame->EdgeCrossing(x[i], y[i], x[next], y[next]);
            if (crossing.code == CrossingCode::OnBoth)
                crossings.AddCrossing(crossing.point.X, crossing.point.Y);
        }
    }
    if (crossings.Count() < 2) return;
    crossings.SortCrossings();
    OutlineSlot& slot = context.outline;
    if (!slot.certainKnown) {
        slot.certain = context.frame != nullptr ? CertainInside::ConvexCorners(x, y, corners)
                                                : CertainInside{};
        slot.certainKnown = true;
    }
    EmitInsidePieces(context, hatchColour, [&](OutlinePolygon& outline) {
        outline.Start(corners + 1);
        for (int i = 0; i < corners; ++i) outline.Append({x[i], y[i]});
        outline.Close();
    });
}

}  // namespace

void ClipTriangleSolid(ClipContext& context, std::int32_t hatchColour, const HatchLine& line,
                       const TriangleSolidRecord& solid) {
    const double x[] = {solid.x1, solid.x2, solid.x3};
    const double y[] = {solid.y1, solid.y2, solid.y3};
    ClipCorners(context, hatchColour, line, x, y, 3);
}

void ClipQuadSolid(ClipContext& context, std::int32_t hatchColour, const HatchLine& line,
                   const QuadSolidRecord& solid) {
    const double x[] = {solid.x1, solid.x2, solid.x3, solid.x4};
    const double y[] = {solid.y1, solid.y2, solid.y3, solid.y4};
    ClipCorners(context, hatchColour, line, x, y, 4);
}

}  // namespace rv17
