// The figures of a stored drawing reduced to what a picture is made of:
// filled and outlined shapes, strokes, dots and texts, in file order.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "drawing/Palette.h"
#include "exchange/EntityStore.h"
#include "geometry/PlanePoint.h"

namespace rv17 {

// One or more closed loops of points; rings have two and are filled even-odd.
struct PreviewShape {
    std::vector<PlanePoint> points;
    std::vector<std::size_t> loopEnds;  // index one past the last point of each loop
    bool evenOdd = false;

    void Clear() {
        points.clear();
        loopEnds.clear();
        evenOdd = false;
    }
};

// A text placed in the drawing: its start point on the base line, its
// direction, its height in drawing units (0: drawn at a fixed picture size,
// as block names are) and a width estimate for the picture's bounds.
struct PlacedText {
    PlanePoint at;
    double angle = 0.0;  // radians, counter-clockwise
    double height = 0.0;
    double width = 0.0;
    std::string_view shiftJis;
};

// Receives the pieces of the figures. Every coordinate handed over is
// drawable (finite and within kMaxDrawableCoordinate); a figure with any
// coordinate that is not is left out whole.
class FigureVisitor {
public:
    virtual ~FigureVisitor() = default;
    virtual void Fill(const PreviewShape& shape, RgbHex colour) = 0;
    // The faint outline of a solid that was hatched.
    virtual void Outline(const PreviewShape& shape, RgbHex colour) = 0;
    virtual void Stroke(const PlanePoint* points, std::size_t count, RgbHex colour) = 0;
    virtual void Dot(PlanePoint at, RgbHex colour) = 0;
    virtual void Label(const PlacedText& text, RgbHex colour) = 0;
};

enum class FigureSelection {
    All,                  // solids filled
    HatchedSolidOutlines  // only the hatchable solids (kinds 10, 11, 12, 14, 15), as outlines
};

// Hands the figures of the store to the visitor in the order of EntityOrder.
void VisitFigures(const EntityStore& store, FigureSelection selection, FigureVisitor& visitor);

// Outlines of the circular solids, exposed for the tests. Each returns false,
// leaving shape empty, when the solid cannot be drawn: a radius of 0 or less,
// a flatness of 0 or less, a constant-width ring with radius2 of 0, or any
// value that is not finite or gives points that are not drawable.
bool CircleSolidShape(const CircleSolidRecord& solid, PreviewShape& shape);
bool RingSolidShape(const RingSolidRecord& solid, bool constantWidth, PreviewShape& shape);
// An arc of a "ci" line with seven numbers as a polyline (see the .cpp for
// how its numbers are read); false when it cannot be drawn.
bool ArcPolyline(const ArcRecord& arc, std::vector<PlanePoint>& points);

}  // namespace rv17
