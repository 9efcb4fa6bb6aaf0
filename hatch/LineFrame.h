// Facts of one hatch line that the indexed sweep works out once and shares
// among all the solids the line is offered to: the direction and its cosines
// and sines, with which a circle crossing is computed exactly as
// SegmentCircleIntersection computes it, and a side test that tells when a
// straight edge cannot meet the line.
#pragma once

#include "geometry/Intersections.h"
#include "hatch/HatchLine.h"

namespace rv17 {

class LineFrame {
public:
    explicit LineFrame(const HatchLine& line) noexcept;

    // SegmentCircleIntersection(A, B, C, r) of the line, to the last bit.
    CurveCrossings SegmentCircle(double cx, double cy, double r) const noexcept;

    // SegmentIntersection(A, B, edge), to the last bit: the line's own slope
    // and intercept are worked out once.
    SegmentCrossing EdgeCrossing(double x3, double y3, double x4, double y4) const noexcept;

    // True when both ends of the edge lie clearly on the same side of the
    // line, so that SegmentIntersection cannot report a crossing on both
    // segments: the crossing it computes lies on the line (up to rounding far
    // below the margin) and within 1e-8 of the edge's extents, where only the
    // edge itself meets the edge's line.
    bool EdgeMissesLine(double x1, double y1, double x2, double y2) const noexcept {
        const int side = Side(x1, y1);
        return side != 0 && side == Side(x2, y2);
    }

    // +1 or -1 for a point clearly on one side of the line or the other, 0
    // for a point within the margin (or a line without direction).
    int Side(double x, double y) const noexcept {
        const double across = (x - middleX_) * normalX_ + (y - middleY_) * normalY_;
        return across > sideMargin_ ? 1 : across < -sideMargin_ ? -1 : 0;
    }

private:
    HatchLine line_;
    bool lineVertical_;  // Q(ax - bx) = 0
    double slope_;       // m1 = (by - ay) / (bx - ax)
    double intercept_;   // b1 = ay - m1 ax
    double direction_;   // h: DirectionAngle of B - A
    double cosBack_;     // cos(-h)
    double sinBack_;     // sin(-h)
    double cosOut_;      // cos h
    double sinOut_;      // sin h
    double endAlong_;    // B turned about A by -h: its x
    double middleX_;
    double middleY_;
    double normalX_;
    double normalY_;
    double sideMargin_;  // infinite when the line has no direction
};

}  // namespace rv17
