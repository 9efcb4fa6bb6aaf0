// Crossings of segments and lines with each other and with circles, arcs and
// tilted ellipses. Every operation returns a small result and never fails;
// non-finite input gives one of the documented codes with non-finite points.
#pragma once

#include "geometry/Angles.h"
#include "geometry/PlanePoint.h"

namespace rv17 {

// Result codes of SegmentIntersection.
enum class CrossingCode {
    NoCrossing,  // parallel lines, or both segments vertical
    OnBoth,      // the lines meet on both (widened) segments
    Outside,     // the lines meet outside a segment
};

// The meeting point of two lines and where it lies. With NoCrossing there is
// no meeting point and point stays (0, 0).
struct SegmentCrossing {
    CrossingCode code = CrossingCode::NoCrossing;
    PlanePoint point{};
};

// Up to two crossings with a curve. Outputs that carry no crossing are (0, 0),
// except where an operation says otherwise.
struct CurveCrossings {
    int count = 0;
    PlanePoint p1{};
    PlanePoint p2{};
};

// The lines through the segments (x1, y1)-(x2, y2) and (x3, y3)-(x4, y4) and
// where they meet. A segment whose x extent quantises to zero counts as
// vertical (a zero-length segment too). OnBoth when the point lies within both
// segments' x and y extents widened by 1e-8, else Outside; NoCrossing when both
// segments are vertical or their slopes quantise equal.
SegmentCrossing SegmentIntersection(double x1, double y1, double x2, double y2, double x3,
                                    double y3, double x4, double y4) noexcept;

// The line through the segment (x1, y1)-(x2, y2) as SegmentIntersection takes
// it: vertical when the x extent quantises to zero, else y = slope x + intercept.
struct SlopeIntercept {
    bool vertical = false;
    double slope = 0.0;      // (y2 - y1) / (x2 - x1)
    double intercept = 0.0;  // y1 - slope x1
};
SlopeIntercept SlopeInterceptOf(double x1, double y1, double x2, double y2) noexcept;

// SegmentIntersection with the first segment's line worked out beforehand, for
// many segments against one: with first = SlopeInterceptOf(x1, y1, x2, y2) the
// result is that of the call without it, to the last bit.
SegmentCrossing SegmentIntersection(double x1, double y1, double x2, double y2,
                                    const SlopeIntercept& first, double x3, double y3, double x4,
                                    double y4) noexcept;

// The unbounded line through A and B against the circle (cx, cy, r). A tangent
// gives count 1 with the touching point in both outputs; count 2 puts in p1 the
// crossing further along A->B. Count 0 leaves both outputs (0, 0).
CurveCrossings LineCircleIntersection(double ax, double ay, double bx, double by, double cx,
                                      double cy, double r) noexcept;

// The crossings of LineCircleIntersection that lie on the segment A->B (within
// 1e-10 of its ends along the segment), in the same order, packed from p1.
CurveCrossings SegmentCircleIntersection(double ax, double ay, double bx, double by, double cx,
                                         double cy, double r) noexcept;

// A segment A->B seen from the frame in which it runs along +X from A: the
// turns into that frame (by -h, h the segment's direction) and back out of it
// (by h), and how far along it B lies.
struct SegmentFrame {
    double ax = 0.0;
    double ay = 0.0;
    Rotation toFrame;
    Rotation fromFrame;
    double endAlong = 0.0;  // the x of B turned about A into the frame
};
SegmentFrame SegmentFrameOf(double ax, double ay, double bx, double by) noexcept;

// SegmentCircleIntersection with the segment's frame worked out beforehand, for
// many circles against one segment: with segment = SegmentFrameOf(ax, ay, bx, by)
// the result is that of the call without it, to the last bit.
CurveCrossings SegmentCircleIntersection(const SegmentFrame& segment, double cx, double cy,
                                         double r) noexcept;

// The crossings of a circle about (cx, cy) that lie on the arc from start by
// arc (polar angles), in their order; the rest are dropped.
CurveCrossings KeepCrossingsOnArc(const CurveCrossings& circle, double cx, double cy, double start,
                                  double arc) noexcept;

// The crossings of SegmentCircleIntersection whose polar angle about C lies on
// the arc from start (measured from +X) turning by arc, packed from p1.
CurveCrossings SegmentArcIntersection(double ax, double ay, double bx, double by, double cx,
                                      double cy, double r, double start, double arc) noexcept;

// The unbounded line through A and B against the ellipse with centre C, radius
// r along the tilt t and flatness k. Solved as a line against a circle in the
// ellipse's own frame. A radius below 1e-8 gives count 0 with A and B as the
// outputs; a missing line gives count 0 with A and B mapped through the frame
// and back (equal to A and B up to rounding).
CurveCrossings LineEllipseIntersection(double ax, double ay, double bx, double by, double cx,
                                       double cy, double r, double k, double t) noexcept;

}  // namespace rv17
