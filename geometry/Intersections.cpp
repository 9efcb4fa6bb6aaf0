// Crossings of segments and lines with lines, circles, arcs and ellipses.
#include "geometry/Intersections.h"

#include <algorithm>
#include <cmath>

#include "geometry/Angles.h"

namespace rv17 {

namespace {

// min(end1, end2) - 1e-8 <= value <= max(end1, end2) + 1e-8.
bool WithinWidened(double value, double end1, double end2) noexcept {
    return std::min(end1, end2) - kExtentWidening <= value &&
           value <= std::max(end1, end2) + kExtentWidening;
}

}  // namespace

SegmentCrossing SegmentIntersection(double x1, double y1, double x2, double y2, double x3,
                                    double y3, double x4, double y4) noexcept {
    return SegmentIntersection(x1, y1, x2, y2, SlopeInterceptOf(x1, y1, x2, y2), x3, y3, x4, y4);
}

SlopeIntercept SlopeInterceptOf(double x1, double y1, double x2, double y2) noexcept {
    SlopeIntercept line;
    line.vertical = Quantise(x1 - x2) == 0.0;
    if (!line.vertical) {
        line.slope = (y2 - y1) / (x2 - x1);
        line.intercept = y1 - line.slope * x1;
    }
    return line;
}

SegmentCrossing SegmentIntersection(double x1, double y1, double x2, double y2,
                                    const SlopeIntercept& first, double x3, double y3, double x4,
                                    double y4) noexcept {
    const bool secondVertical = Quantise(x3 - x4) == 0.0;
    if (first.vertical && secondVertical) return {};

    // Lines as y = m x + b. A vertical segment is the line x = its first x; the
    // slope of the other one uses the unquantised differences.
    SegmentCrossing crossing;
    if (first.vertical) {
        const double m2 = (y4 - y3) / (x4 - x3);
        crossing.point = {x1, (x1 - x3) * m2 + y3};
    } else if (secondVertical) {
        crossing.point = {x3, (x3 - x1) * first.slope + y1};
    } else {
        const double m1 = first.slope;
        const double b1 = first.intercept;
        const double m2 = (y4 - y3) / (x4 - x3);
        const double b2 = y3 - m2 * x3;
        if (Quantise(m1 - m2) == 0.0) return {};
        const double x = (b2 - b1) / (m1 - m2);
        crossing.point = {x, m1 * x + b1};
    }

    const PlanePoint p = crossing.point;
    const bool onBoth = WithinWidened(p.X, x1, x2) && WithinWidened(p.Y, y1, y2) &&
                        WithinWidened(p.X, x3, x4) && WithinWidened(p.Y, y3, y4);
    crossing.code = onBoth ? CrossingCode::OnBoth : CrossingCode::Outside;
    return crossing;
}

namespace {

// LineCircleIntersection for the line through A whose direction h gives the
// turns into its frame (by -h) and out of it (by h).
CurveCrossings LineCircleInFrame(double ax, double ay, Rotation toFrame, Rotation fromFrame,
                                 double cx, double cy, double r) noexcept {
    // In a frame turned by -h the line is horizontal, off above the centre;
    // the crossings lie at +-t from the foot of the perpendicular.
    const double off = RotatePoint(ax, ay, cx, cy, toFrame).Y - cy;
    const double o = r * r - off * off;
    const double q = Quantise(o);
    if (q < 0.0) return {};

    CurveCrossings result;
    double t = 0.0;
    if (q == 0.0) {
        // Tangent: o within (-1.5e-8, 0.5e-8) touches, so a line missing a tiny
        // circle by up to about 1.2e-4 still reports the foot point.
        result.count = 1;
    } else {
        t = std::sqrt(o);
        result.count = 2;
    }
    const double s = fromFrame.sine;
    const double c = fromFrame.cosine;
    result.p1 = {cx + c * t - s * off, cy + s * t + c * off};
    result.p2 = {cx + c * -t - s * off, cy + s * -t + c * off};
    return result;
}

}  // namespace

CurveCrossings LineCircleIntersection(double ax, double ay, double bx, double by, double cx,
                                      double cy, double r) noexcept {
    const double h = DirectionAngle(bx - ax, by - ay);
    return LineCircleInFrame(ax, ay, RotationBy(-h), RotationBy(h), cx, cy, r);
}

SegmentFrame SegmentFrameOf(double ax, double ay, double bx, double by) noexcept {
    const double h = DirectionAngle(bx - ax, by - ay);
    const Rotation toFrame = RotationBy(-h);
    return {ax, ay, toFrame, RotationBy(h), RotatePoint(bx, by, ax, ay, toFrame).X};
}

CurveCrossings SegmentCircleIntersection(double ax, double ay, double bx, double by, double cx,
                                         double cy, double r) noexcept {
    return SegmentCircleIntersection(SegmentFrameOf(ax, ay, bx, by), cx, cy, r);
}

CurveCrossings SegmentCircleIntersection(const SegmentFrame& segment, double cx, double cy,
                                         double r) noexcept {
    const double ax = segment.ax;
    const double ay = segment.ay;
    const CurveCrossings line =
        LineCircleInFrame(ax, ay, segment.toFrame, segment.fromFrame, cx, cy, r);

    // Turned about A into the frame the segment runs along +X from ax to endAlong.
    CurveCrossings result;
    const auto take = [&](PlanePoint p) noexcept {
        const double along = RotatePoint(p.X, p.Y, ax, ay, segment.toFrame).X;
        if (ax - kCircleExtentTolerance <= along &&
            along <= segment.endAlong + kCircleExtentTolerance) {
            (result.count == 0 ? result.p1 : result.p2) = p;
            ++result.count;
        }
    };
    if (line.count >= 1) take(line.p1);
    if (line.count == 2) take(line.p2);  // a tangent point is tested once
    return result;
}

CurveCrossings SegmentArcIntersection(double ax, double ay, double bx, double by, double cx,
                                      double cy, double r, double start, double arc) noexcept {
    const CurveCrossings circle = SegmentCircleIntersection(ax, ay, bx, by, cx, cy, r);
    return KeepCrossingsOnArc(circle, cx, cy, start, arc);
}

CurveCrossings KeepCrossingsOnArc(const CurveCrossings& circle, double cx, double cy, double start,
                                  double arc) noexcept {
    CurveCrossings result;
    const auto take = [&](PlanePoint p) noexcept {
        if (AngleInSweep(DirectionAngle(p.X - cx, p.Y - cy), start, arc)) {
            (result.count == 0 ? result.p1 : result.p2) = p;
            ++result.count;
        }
    };
    if (circle.count >= 1) take(circle.p1);
    if (circle.count == 2) take(circle.p2);
    return result;
}

CurveCrossings LineEllipseIntersection(double ax, double ay, double bx, double by, double cx,
                                       double cy, double r, double k, double t) noexcept {
    if (std::fabs(r) < kZeroRadius) return {0, {ax, ay}, {bx, by}};

    // The ellipse's unit frame: centre at the origin, no tilt, y divided by the
    // flatness, where the ellipse is the circle of radius r.
    const auto toUnit = [&](double x, double y) noexcept {
        const PlanePoint turned = RotatePoint(x - cx, y - cy, 0.0, 0.0, -t);
        return PlanePoint{turned.X, turned.Y / k};
    };
    const auto fromUnit = [&](PlanePoint p) noexcept {
        const PlanePoint turned = RotatePoint(p.X, p.Y * k, 0.0, 0.0, t);
        return PlanePoint{turned.X + cx, turned.Y + cy};
    };
    const PlanePoint a = toUnit(ax, ay);
    const PlanePoint b = toUnit(bx, by);
    CurveCrossings result = LineCircleIntersection(a.X, a.Y, b.X, b.Y, 0.0, 0.0, r);
    if (result.count == 0) {
        result.p1 = a;
        result.p2 = b;
    }
    result.p1 = fromUnit(result.p1);
    result.p2 = fromUnit(result.p2);
    return result;
}

}  // namespace rv17
