// Facts of one hatch line that the indexed sweep works out once and shares
// among all the solids the line is offered to: the line's slope and
// intercept and its frame, with which the geometry's crossings skip that
// work, and a side test that tells when a straight edge cannot meet the line.
#pragma once

#include "geometry/Intersections.h"
#include "hatch/HatchLine.h"

namespace rv17 {

class LineFrame {
public:
    explicit LineFrame(const HatchLine& line) noexcept;

    // SegmentCircleIntersection(A, B, C, r) of the line.
    CurveCrossings SegmentCircle(double cx, double cy, double r) const noexcept {
        return SegmentCircleIntersection(segment_, cx, cy, r);
    }

    // SegmentIntersection(A, B, edge) of the line.
    SegmentCrossing EdgeCrossing(double x3, double y3, double x4, double y4) const noexcept {
        return SegmentIntersection(line_.ax, line_.ay, line_.bx, line_.by, slopeIntercept_, x3, y3,
                                   x4, y4);
    }

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
    SlopeIntercept slopeIntercept_;
    SegmentFrame segment_;
    double middleX_;
    double middleY_;
    double normalX_;
    double normalY_;
    double sideMargin_;  // infinite when the line has no direction
};

}  // namespace rv17
