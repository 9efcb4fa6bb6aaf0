// Turning stored records into shapes, strokes, dots and texts for the preview.
#include "drawing/PreviewFigures.h"

#include <algorithm>
#include <cmath>

#include "drawing/DrawableValue.h"
#include "geometry/Angles.h"
#include "geometry/Ellipse.h"
#include "geometry/Pi.h"
#include "geometry/TextConversions.h"
#include "hatch/SolidFigure.h"

namespace rv17 {

namespace {

constexpr double kRadiansPerDegree = kPi / 180.0;
// 2.5 degrees per chord: smooth at any picture size the preview uses.
constexpr double kChordsPerTurn = 144.0;

std::size_t ChordCount(double sweep) {
    if (!std::isfinite(sweep)) return 4;
    const double chords = std::ceil(std::fabs(sweep) / kTwoPi * kChordsPerTurn);
    return static_cast<std::size_t>(std::clamp(chords, 4.0, kChordsPerTurn));
}

// An arc turning by more than a whole turn draws the whole curve.
double ClampSweep(double sweep) { return std::clamp(sweep, -kTwoPi, kTwoPi); }

// Points of the ellipse arc from start turning by sweep, both ends included.
// Each angle is computed from start, so no error piles up along the arc.
void AppendEllipseArc(std::vector<PlanePoint>& out, double cx, double cy, double r, double k,
                      double tilt, double start, double sweep) {
    const std::size_t chords = ChordCount(sweep);
    for (std::size_t i = 0; i <= chords; ++i) {
        const double phi = start + sweep * static_cast<double>(i) / static_cast<double>(chords);
        out.push_back(EllipsePoint(cx, cy, r, k, tilt, phi));
    }
}

// The whole ellipse as one loop; the closing point is left to the loop's end.
void AppendEllipseLoop(std::vector<PlanePoint>& out, double cx, double cy, double r, double k,
                       double tilt) {
    AppendEllipseArc(out, cx, cy, r, k, tilt, 0.0, kTwoPi);
    out.pop_back();
}

bool IsDrawablePoint(PlanePoint p) noexcept { return IsDrawable(p.X) && IsDrawable(p.Y); }

bool AllDrawable(const std::vector<PlanePoint>& points) noexcept {
    return std::all_of(points.begin(), points.end(), IsDrawablePoint);
}

bool AllFinite(std::initializer_list<double> values) noexcept {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// Ends a shape: one more loop, and every point must be drawable.
bool CloseShape(PreviewShape& shape) {
    shape.loopEnds.push_back(shape.points.size());
    if (AllDrawable(shape.points)) return true;
    shape.Clear();
    return false;
}

bool PolygonShape(std::initializer_list<PlanePoint> corners, PreviewShape& shape) {
    shape.Clear();
    shape.points.assign(corners.begin(), corners.end());
    return CloseShape(shape);
}

// Width of a text: a double-byte character is charWidth wide and a
// single-byte one half that, with charSpacing between characters. Only the
// picture's bounds use it, so an estimate serves.
double EstimatedTextWidth(std::string_view text, double charWidth, double charSpacing) {
    double width = 0.0;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i, ++characters) {
        if (IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) {
            width += charWidth;
            ++i;
        } else {
            width += charWidth / 2.0;
        }
    }
    if (characters > 1) width += charSpacing * static_cast<double>(characters - 1);
    return std::isfinite(width) ? std::fabs(width) : 0.0;
}

bool PlaceText(const TextRecord& text, PlacedText& placed) {
    if (!IsDrawable(text.x) || !IsDrawable(text.y) || !IsDrawable(text.charHeight)) return false;
    if (!(text.charHeight > 0.0) ||
        !AllFinite({text.dx, text.dy, text.charWidth, text.charSpacing}))
        return false;
    const std::string_view bytes = text.text.View();
    if (RemoveBlanks(bytes).empty()) return false;
    placed.at = {text.x, text.y};
    placed.angle = DirectionAngle(text.dx, text.dy);
    placed.height = text.charHeight;
    placed.width = std::min(EstimatedTextWidth(bytes, text.charWidth, text.charSpacing),
                            kMaxDrawableCoordinate);
    placed.shiftJis = bytes;
    return true;
}

class FigureWalker {
public:
    FigureWalker(const EntityStore& store, FigureSelection selection, FigureVisitor& visitor)
        : store_(store), selection_(selection), visitor_(visitor) {}

    void Walk() {
        const auto& order = store_.EntityOrder;
        for (std::size_t i = 0; i < order.Count(); ++i) {
            const EntityOrderEntry entry = order[i];
            if (entry.index < 0 ||
                static_cast<std::size_t>(entry.index) >= EntityCount(store_, entry.kind))
                continue;
            const auto index = static_cast<std::size_t>(entry.index);
            if (selection_ == FigureSelection::All || IsHatchableKind(entry.kind))
                Visit(entry.kind, index);
        }
    }

private:
    void Visit(EntityKind kind, std::size_t index) {
        switch (kind) {
            case EntityKind::Line: {
                const LineRecord& line = store_.lines[index];
                return Segment(line.header, 0, false, line.x1, line.y1, line.x2, line.y2);
            }
            case EntityKind::Circle:
                return VisitCircle(store_.circles[index]);
            case EntityKind::Arc:
                return VisitArc(store_.arcs[index]);
            case EntityKind::Text:
                return VisitText(store_.texts[index]);
            case EntityKind::Point:
                return VisitDot(store_.points[index].header, store_.points[index].x,
                                store_.points[index].y);
            case EntityKind::PointEx:
                return VisitDot(store_.pointExs[index].header, store_.pointExs[index].x,
                                store_.pointExs[index].y);
            case EntityKind::Dimension:
                return VisitDimension(store_.dimensions[index]);
            case EntityKind::Block:
                return VisitBlock(store_.blocks[index]);
            case EntityKind::SolidSegment:
                return VisitSolidSegment(store_.solidSegments[index]);
            case EntityKind::TriangleSolid: {
                const auto& s = store_.triangleSolids[index];
                if (PolygonShape({{s.x1, s.y1}, {s.x2, s.y2}, {s.x3, s.y3}}, shape_))
                    Solid(s.header, s.rgbColour);
                return;
            }
            case EntityKind::QuadSolid: {
                const auto& s = store_.quadSolids[index];
                if (PolygonShape({{s.x1, s.y1}, {s.x2, s.y2}, {s.x3, s.y3}, {s.x4, s.y4}},
                                 shape_)) {
                    Solid(s.header, s.rgbColour);
                }
                return;
            }
            case EntityKind::CircleSolid:
            case EntityKind::SeCircleSolid: {
                const auto& s = kind == EntityKind::CircleSolid ? store_.circleSolids[index]
                                                                : store_.seCircleSolids[index];
                if (CircleSolidShape(s, shape_)) Solid(s.header, s.rgbColour);
                return;
            }
            case EntityKind::RingSolid:
            case EntityKind::ConstantWidthRingSolid: {
                const bool constantWidth = kind == EntityKind::ConstantWidthRingSolid;
                const auto& s = constantWidth ? store_.constantWidthRingSolids[index]
                                              : store_.ringSolids[index];
                if (RingSolidShape(s, constantWidth, shape_)) Solid(s.header, s.rgbColour);
                return;
            }
        }
    }

    void Solid(const EntityHeader& header, std::int32_t rgbColour) {
        const RgbHex colour = FigureColour(header.colour, rgbColour, true);
        if (selection_ == FigureSelection::HatchedSolidOutlines) {
            visitor_.Outline(shape_, colour);
        } else {
            visitor_.Fill(shape_, colour);
        }
    }

    void Segment(const EntityHeader& header, std::int32_t rgbColour, bool hasRgb, double x1,
                 double y1, double x2, double y2) {
        const PlanePoint ends[2] = {{x1, y1}, {x2, y2}};
        if (!IsDrawablePoint(ends[0]) || !IsDrawablePoint(ends[1])) return;
        visitor_.Stroke(ends, 2, FigureColour(header.colour, rgbColour, hasRgb));
    }

    void VisitCircle(const CircleRecord& circle) {
        if (!(circle.radius > 0.0) || !IsDrawable(circle.radius)) return;
        points_.clear();
        AppendEllipseArc(points_, circle.cx, circle.cy, circle.radius, 1.0, 0.0, 0.0, kTwoPi);
        StrokePoints(circle.header);
    }

    void VisitArc(const ArcRecord& arc) {
        if (ArcPolyline(arc, points_)) StrokePoints(arc.header);
    }

    void StrokePoints(const EntityHeader& header) {
        if (!AllDrawable(points_)) return;
        visitor_.Stroke(points_.data(), points_.size(), PaletteColour(header.colour));
    }

    void VisitText(const TextRecord& text) {
        PlacedText placed;
        if (PlaceText(text, placed)) visitor_.Label(placed, PaletteColour(text.header.colour));
    }

    void VisitDot(const EntityHeader& header, double x, double y) {
        if (IsDrawable(x) && IsDrawable(y)) visitor_.Dot({x, y}, PaletteColour(header.colour));
    }

    void VisitDimension(const DimensionRecord& dimension) {
        const LineRecord& line = dimension.line;
        Segment(line.header, 0, false, line.x1, line.y1, line.x2, line.y2);
        VisitText(dimension.text);
    }

    void VisitBlock(const TJwwEntBlk& block) {
        if (!IsDrawable(block.x) || !IsDrawable(block.y)) return;
        const RgbHex colour = PaletteColour(block.header.colour);
        visitor_.Dot({block.x, block.y}, colour);
        if (RemoveBlanks(block.name).empty()) return;
        PlacedText placed;
        placed.at = {block.x, block.y};
        placed.shiftJis = block.name;
        visitor_.Label(placed, colour);
    }

    void VisitSolidSegment(const SolidSegmentRecord& s) {
        Segment(s.header, s.rgbColour, true, s.x1, s.y1, s.x2, s.y2);
    }

    const EntityStore& store_;
    FigureSelection selection_;
    FigureVisitor& visitor_;
    PreviewShape shape_;
    std::vector<PlanePoint> points_;
};

}  // namespace

bool CircleSolidShape(const CircleSolidRecord& s, PreviewShape& shape) {
    shape.Clear();
    if (!AllFinite({s.cx, s.cy, s.radius, s.flatness, s.tilt, s.startAngle, s.arcAngle}))
        return false;
    if (!(s.radius > 0.0) || !(s.flatness > 0.0)) return false;
    const double sweep = ClampSweep(s.arcAngle);
    std::vector<PlanePoint>& points = shape.points;
    // Drawn as it is hatched: over a quarter turn, the tangent region is the sector.
    switch (FigureSolidMode(s)) {
        case CircleSolidMode::BetweenArcAndChord:
            AppendEllipseArc(points, s.cx, s.cy, s.radius, s.flatness, s.tilt, s.startAngle, sweep);
            break;
        case CircleSolidMode::Sector:
            AppendEllipseArc(points, s.cx, s.cy, s.radius, s.flatness, s.tilt, s.startAngle, sweep);
            points.push_back({s.cx, s.cy});
            break;
        case CircleSolidMode::TangentCorner:
            AppendEllipseArc(points, s.cx, s.cy, s.radius, s.flatness, s.tilt, s.startAngle, sweep);
            points.push_back(
                ArcTangentCorner(s.cx, s.cy, s.radius, s.flatness, s.tilt, s.startAngle, sweep));
            break;
        default:
            AppendEllipseLoop(points, s.cx, s.cy, s.radius, s.flatness, s.tilt);
            break;
    }
    return CloseShape(shape);
}

bool RingSolidShape(const RingSolidRecord& s, bool constantWidth, PreviewShape& shape) {
    shape.Clear();
    if (!AllFinite({s.cx, s.cy, s.radius, s.flatness, s.tilt, s.startAngle, s.arcAngle, s.radius2}))
        return false;
    if (!(s.radius > 0.0) || !(s.flatness > 0.0)) return false;
    if (constantWidth && s.radius2 == 0.0) return false;
    const double innerFlatness =
        InnerFlatness(constantWidth ? RingVariant::ConstantWidth : RingVariant::SameFlatness, s);
    if (!std::isfinite(innerFlatness)) return false;
    shape.evenOdd = true;
    // Whole exactly when the hatch treats it as whole, so the pane shows the
    // end edges of every ring that is hatched with them.
    if (IsWholeRing(s)) {
        AppendEllipseLoop(shape.points, s.cx, s.cy, s.radius, s.flatness, s.tilt);
        shape.loopEnds.push_back(shape.points.size());
        AppendEllipseLoop(shape.points, s.cx, s.cy, s.radius2, innerFlatness, s.tilt);
        return CloseShape(shape);
    }
    AppendEllipseArc(shape.points, s.cx, s.cy, s.radius, s.flatness, s.tilt, s.startAngle,
                     s.arcAngle);
    AppendEllipseArc(shape.points, s.cx, s.cy, s.radius2, innerFlatness, s.tilt,
                     s.startAngle + s.arcAngle, -s.arcAngle);
    return CloseShape(shape);
}

// The seven numbers of an arc are read in the host's order: centre x and y,
// radius, start angle and end angle in degrees, flatness, and tilt in
// degrees. Read this way, the bundled example's door swing
// ("ci 25 150 40 -90 0 1 0") is the quarter circle from (25, 110) to the open
// leaf at (65, 150), the same quarter as the sector solid drawn with it; read
// as a start and a sweep it would be empty. The arc runs counter-clockwise from the start to the
// end; an end equal to the start gives the whole curve. The angles are
// parametric angles of the ellipse, as for circular solids.
bool ArcPolyline(const ArcRecord& arc, std::vector<PlanePoint>& points) {
    points.clear();
    const double flatness = arc.arcValue6;
    if (!AllFinite(
            {arc.cx, arc.cy, arc.radius, arc.arcValue4, arc.arcValue5, flatness, arc.arcValue7}))
        return false;
    if (!(arc.radius > 0.0) || flatness == 0.0) return false;
    double sweepDegrees = std::fmod(arc.arcValue5 - arc.arcValue4, 360.0);
    if (!(sweepDegrees > 0.0)) sweepDegrees += 360.0;
    if (!std::isfinite(sweepDegrees)) return false;
    AppendEllipseArc(points, arc.cx, arc.cy, arc.radius, flatness,
                     arc.arcValue7 * kRadiansPerDegree, arc.arcValue4 * kRadiansPerDegree,
                     sweepDegrees * kRadiansPerDegree);
    if (AllDrawable(points)) return true;
    points.clear();
    return false;
}

void VisitFigures(const EntityStore& store, FigureSelection selection, FigureVisitor& visitor) {
    FigureWalker(store, selection, visitor).Walk();
}

}  // namespace rv17
