// Circular and ring solids: exact crossings with the curved edges and the
// straight ones, and an outline of 72 chords per curve for the inside test.
#include "hatch/CircularClipper.h"

#include <cmath>

#include "geometry/Angles.h"
#include "geometry/Ellipse.h"
#include "geometry/Intersections.h"
#include "geometry/Pi.h"

namespace rv17 {

namespace {

constexpr int kChords = 72;

// The flatness at which an edge is cut as a circle rather than an ellipse.
bool IsCircular(double flatness) noexcept { return NearlyEqual(1.0, flatness); }

struct CurvedEdge {
    double radius;
    double flatness;
};

// The crossings of the line with one curved edge running from start by arc.
// A circle is cut with the arc given by polar angles (start plus tilt); an
// ellipse is cut as a whole and each crossing kept when its parametric angle
// lies on the arc. The unbounded line serves because the hatch segment spans
// every solid.
// SegmentArcIntersection, with the circle crossing from the line's frame when
// it is known.
CurveCrossings SegmentArc(const HatchLine& line, const LineFrame* frame, double cx, double cy,
                          double r, double start, double arc) noexcept {
    if (frame == nullptr)
        return SegmentArcIntersection(line.ax, line.ay, line.bx, line.by, cx, cy, r, start, arc);
    return KeepCrossingsOnArc(frame->SegmentCircle(cx, cy, r), cx, cy, start, arc);
}

void AddArcCrossings(CrossingList& crossings, const HatchLine& line, const LineFrame* frame,
                     bool circular, double cx, double cy, CurvedEdge edge, double tilt,
                     double start, double arc) noexcept {
    if (circular) {
        const double polarStart = NormalizedRadians(start + tilt);
        const CurveCrossings found = SegmentArc(line, frame, cx, cy, edge.radius, polarStart, arc);
        if (found.count >= 1) crossings.AddCrossing(found.p1.X, found.p1.Y);
        if (found.count == 2) crossings.AddCrossing(found.p2.X, found.p2.Y);
        return;
    }
    const CurveCrossings found = LineEllipseIntersection(line.ax, line.ay, line.bx, line.by, cx, cy,
                                                         edge.radius, edge.flatness, tilt);
    const auto keepOnArc = [&](PlanePoint p) noexcept {
        const double phi = EllipseParameter(p.X, p.Y, cx, cy, edge.radius, edge.flatness, tilt);
        if (AngleInSweep(phi, start, arc)) crossings.AddCrossing(p.X, p.Y);
    };
    if (found.count >= 1) keepOnArc(found.p1);
    if (found.count == 2) keepOnArc(found.p2);  // a tangent point is taken once
}

void AddSegmentCrossing(CrossingList& crossings, const HatchLine& line, const LineFrame* frame,
                        PlanePoint from, PlanePoint to) noexcept {
    SegmentCrossing crossing;
    if (frame == nullptr) {
        crossing =
            SegmentIntersection(line.ax, line.ay, line.bx, line.by, from.X, from.Y, to.X, to.Y);
    } else if (!frame->EdgeMissesLine(from.X, from.Y, to.X, to.Y)) {
        crossing = frame->EdgeCrossing(from.X, from.Y, to.X, to.Y);
    }
    if (crossing.code == CrossingCode::OnBoth)
        crossings.AddCrossing(crossing.point.X, crossing.point.Y);
}

// 73 points of the curve from the angle from, each angle reached by adding
// step to the last.
void AppendCurvePoints(OutlinePolygon& outline, double cx, double cy, CurvedEdge edge, double tilt,
                       double from, double step) {
    const Rotation tilted = RotationBy(tilt);
    double phi = from;
    for (int i = 0; i <= kChords; ++i) {
        outline.Append(EllipsePoint(cx, cy, edge.radius, edge.flatness, tilted, phi));
        phi += step;
    }
}

// The figure's numbers as the clipper uses them.
struct CircleFigure {
    double cx, cy, radius, flatness, tilt, start, arc;
    CircleSolidMode solidMode;

    CurvedEdge Edge() const noexcept { return {radius, flatness}; }
    PlanePoint Point(double phi) const noexcept {
        return EllipsePoint(cx, cy, radius, flatness, tilt, phi);
    }
    PlanePoint TangentCorner() const noexcept {
        return ArcTangentCorner(cx, cy, radius, flatness, tilt, start, arc);
    }
};

// At most the curve's points, a corner and the closing point.
void FillCircleOutline(OutlinePolygon& outline, const CircleFigure& figure) {
    outline.Start(kChords + 3);
    switch (figure.solidMode) {
        case CircleSolidMode::BetweenArcAndChord:
            AppendCurvePoints(outline, figure.cx, figure.cy, figure.Edge(), figure.tilt,
                              figure.start, figure.arc / kChords);
            break;
        case CircleSolidMode::Sector:
            AppendCurvePoints(outline, figure.cx, figure.cy, figure.Edge(), figure.tilt,
                              figure.start, figure.arc / kChords);
            outline.Append({figure.cx, figure.cy});
            break;
        case CircleSolidMode::TangentCorner:
            AppendCurvePoints(outline, figure.cx, figure.cy, figure.Edge(), figure.tilt,
                              figure.start, figure.arc / kChords);
            outline.Append(figure.TangentCorner());
            break;
        default:
            // The whole curve: its 73rd point only nearly repeats the first, and
            // no closing point follows.
            AppendCurvePoints(outline, figure.cx, figure.cy, figure.Edge(), figure.tilt, 0.0,
                              kTwoPi / kChords);
            return;
    }
    outline.Close();
}

void AddCircleCrossings(CrossingList& crossings, const HatchLine& line, const LineFrame* frame,
                        const CircleFigure& figure) noexcept {
    const bool circular = IsCircular(figure.flatness);
    switch (figure.solidMode) {
        case CircleSolidMode::BetweenArcAndChord:
            AddArcCrossings(crossings, line, frame, circular, figure.cx, figure.cy, figure.Edge(),
                            figure.tilt, figure.start, figure.arc);
            AddSegmentCrossing(crossings, line, frame, figure.Point(figure.start),
                               figure.Point(figure.start + figure.arc));
            return;
        case CircleSolidMode::Sector: {
            AddArcCrossings(crossings, line, frame, circular, figure.cx, figure.cy, figure.Edge(),
                            figure.tilt, figure.start, figure.arc);
            const PlanePoint centre{figure.cx, figure.cy};
            AddSegmentCrossing(crossings, line, frame, centre, figure.Point(figure.start));
            AddSegmentCrossing(crossings, line, frame, centre,
                               figure.Point(figure.start + figure.arc));
            return;
        }
        case CircleSolidMode::TangentCorner: {
            AddArcCrossings(crossings, line, frame, circular, figure.cx, figure.cy, figure.Edge(),
                            figure.tilt, figure.start, figure.arc);
            const PlanePoint corner = figure.TangentCorner();
            AddSegmentCrossing(crossings, line, frame, figure.Point(figure.start), corner);
            AddSegmentCrossing(crossings, line, frame, figure.Point(figure.start + figure.arc),
                               corner);
            return;
        }
        default: {
            // The whole curve, without regard to the arc.
            CurveCrossings found;
            if (!circular) {
                found =
                    LineEllipseIntersection(line.ax, line.ay, line.bx, line.by, figure.cx,
                                            figure.cy, figure.radius, figure.flatness, figure.tilt);
            } else if (frame != nullptr) {
                found = frame->SegmentCircle(figure.cx, figure.cy, figure.radius);
            } else {
                found = SegmentCircleIntersection(line.ax, line.ay, line.bx, line.by, figure.cx,
                                                  figure.cy, figure.radius);
            }
            if (found.count >= 1) crossings.AddCrossing(found.p1.X, found.p1.Y);
            if (found.count == 2) crossings.AddCrossing(found.p2.X, found.p2.Y);
            return;
        }
    }
}

// Cuts the line once the crossings are collected: the inside pieces are
// written, the outline built (or kept from an earlier line) when needed.
void FinishClip(ClipContext& context, std::int32_t hatchColour, auto&& fillOutline,
                auto&& certainInside, auto&&... onOutline) {
    if (context.crossings.Count() < 2) return;
    context.crossings.SortCrossings();
    OutlineSlot& slot = context.outline;
    if (!slot.certainKnown) {
        slot.certain = context.frame != nullptr ? certainInside() : CertainInside{};
        slot.certainKnown = true;
    }
    EmitInsidePieces(context, hatchColour, fillOutline, onOutline...);
}

CertainInside NothingCertain() noexcept { return {}; }

}  // namespace

double NormalizedRadians(double angle) noexcept {
    return NormalizeDegrees(angle * 180.0 / kPi) * kPi / 180.0;
}

PlanePoint TangentCornerOf(const CircleSolidRecord& solid) noexcept {
    return ArcTangentCorner(solid.cx, solid.cy, solid.radius, solid.flatness, solid.tilt,
                            NormalizedRadians(solid.startAngle), solid.arcAngle);
}

bool IsClippableCircleSolid(const CircleSolidRecord& solid) noexcept {
    return solid.flatness > 0.0;
}

bool IsClippableRingSolid(RingVariant ringVariant, const RingSolidRecord& ring) noexcept {
    if (!(ring.flatness > 0.0)) return false;
    if (ringVariant != RingVariant::ConstantWidth) return true;
    if (ring.radius2 == 0.0) return false;
    const double innerFlatness = InnerFlatness(ringVariant, ring);
    if (!std::isfinite(innerFlatness)) return false;
    return IsCircular(ring.flatness) || innerFlatness != 0.0;
}

void ClipCircleSolid(ClipContext& context, std::int32_t hatchColour, const HatchLine& line,
                     const CircleSolidRecord& solid) {
    if (!IsClippableCircleSolid(solid)) return;
    const CircleFigure figure{solid.cx,       solid.cy,
                              solid.radius,   solid.flatness,
                              solid.tilt,     NormalizedRadians(solid.startAngle),
                              solid.arcAngle, FigureSolidMode(solid)};
    CrossingList& crossings = context.crossings;
    crossings.Clear();
    AddCircleCrossings(crossings, line, context.frame, figure);
    const bool wholeCurve = figure.solidMode != CircleSolidMode::BetweenArcAndChord &&
                            figure.solidMode != CircleSolidMode::Sector &&
                            figure.solidMode != CircleSolidMode::TangentCorner;
    FinishClip(
        context, hatchColour, [&](OutlinePolygon& outline) { FillCircleOutline(outline, figure); },
        [&] {
            return wholeCurve && IsCircular(figure.flatness)
                       ? CertainInside::WholeCircle(figure.cx, figure.cy, figure.radius)
                       : CertainInside{};
        });
}

void ClipRingSolid(ClipContext& context, std::int32_t hatchColour, RingVariant ringVariant,
                   const HatchLine& line, const RingSolidRecord& ring) {
    if (!IsClippableRingSolid(ringVariant, ring)) return;
    const double start = NormalizedRadians(ring.startAngle);
    const CurvedEdge first{ring.radius, ring.flatness};
    const CurvedEdge second{ring.radius2, InnerFlatness(ringVariant, ring)};
    const bool whole = IsWholeRing(ring);
    const double arc = whole ? kTwoPi : ring.arcAngle;
    // Both edges are cut as circles when the ring's own flatness is 1.
    const bool circular = IsCircular(ring.flatness);

    const LineFrame* frame = context.frame;
    CrossingList& crossings = context.crossings;
    crossings.Clear();
    AddArcCrossings(crossings, line, frame, circular, ring.cx, ring.cy, first, ring.tilt, start,
                    arc);
    AddArcCrossings(crossings, line, frame, circular, ring.cx, ring.cy, second, ring.tilt, start,
                    arc);
    if (!whole) {
        for (const double end : {start, start + arc}) {
            AddSegmentCrossing(
                crossings, line, frame,
                EllipsePoint(ring.cx, ring.cy, first.radius, first.flatness, ring.tilt, end),
                EllipsePoint(ring.cx, ring.cy, second.radius, second.flatness, ring.tilt, end));
        }
    }
    FinishClip(
        context, hatchColour,
        [&](OutlinePolygon& outline) {
            // Around the first edge, across, back around the second, and across again.
            outline.Start(2 * (kChords + 1) + 1);
            AppendCurvePoints(outline, ring.cx, ring.cy, first, ring.tilt, start, arc / kChords);
            AppendCurvePoints(outline, ring.cx, ring.cy, second, ring.tilt, start + arc,
                              -arc / kChords);
            outline.Close();
        },
        NothingCertain,
        [&](const OutlinePolygon& outline, double x, double y) {
            // A whole ring's outline crosses the band twice along one radius,
            // where the ring is not cut: a point on that seam is inside when
            // it is inside one edge and outside the other, each edge taken as
            // its own closed curve (either may be the outer one).
            if (!whole) return false;
            constexpr int kEdgePoints = kChords + 1;
            const double* ex = outline.x.data();
            const double* ey = outline.y.data();
            const PolygonPosition byFirst = context.insideTest(kEdgePoints, ex, ey, x, y);
            const PolygonPosition bySecond =
                context.insideTest(kEdgePoints, ex + kEdgePoints, ey + kEdgePoints, x, y);
            return byFirst != PolygonPosition::OnOutline &&
                   bySecond != PolygonPosition::OnOutline && byFirst != bySecond;
        });
}

}  // namespace rv17
