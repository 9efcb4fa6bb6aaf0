// Crossings of segments and lines with lines, circles, arcs and ellipses.
#include "geometry/Intersections.h"

#include <algorithm>
#include <cmath>

#include "geometry/Angles.h"
#include "geometry/Trigonometry.h"

namespace rv17 {

double Quantise(double d) noexcept { return std::trunc(d / kQuantiserStep + 0.5) * kQuantiserStep; }

namespace {

// min(end1, end2) - 1e-8 <= value <= max(end1, end2) + 1e-8.
bool WithinWidened(double value, double end1, double end2) noexcept {
    return std::min(end1, end2) - kExtentWidening <= value &&
           value <= std::max(end1, end2) + kExtentWidening;
}

}  // namespace

SegmentCrossing SegmentIntersection(double x1, double y1, double x2, double y2, double x3,
                                    double y3, double x4, double y4) noexcept {
    const double d1 = Quantise(x1 - x2);
    const double d2 = Quantise(x3 - x4);
    if (d1 == 0.0 && d2 == 0.0) return {};

    // Lines as y = m x + b. A vertical segment is the line x = its first x; the
    // slope of the other one uses the unquantised differences.
    SegmentCrossing crossing;
    if (d1 == 0.0) {
        const double m2 = (y4 - y3) / (x4 - x3);
        crossing.point = {x1, (x1 - x3) * m2 + y3};
    } else if (d2 == 0.0) {
        const double m1 = (y2 - y1) / (x2 - x1);
        crossing.point = {x3, (x3 - x1) * m1 + y1};
    } else {
        const double m1 = (y2 - y1) / (x2 - x1);
        const double b1 = y1 - m1 * x1;
        const double m2 = (y4 - y3) / (x4 - x3);
        const double b2 = y3 - m2 * x3;
        if (Quantise(m1 - m2) == 0.0) return {};
        const double x = (b2 - b1) / (m1 - m2);
        crossing.point = {x, m1 * x + b1};
    }

    const PlanePoint p = crossing.point;
    const bool onBoth = WithinWidened(p.X, x1, x2) && WithinWidened(p.Y, y1, y2) &&
                        WithinWidened(p.X, x3, x4) && WithinWidened(p.Y, y3, y4);
    crossing.code = onBoth ? kCrossingOnBoth : kCrossingOutside;
    return crossing;
}

CurveCrossings LineCircleIntersection(double ax, double ay, double bx, double by, double cx,
                                      double cy, double r) noexcept {
    // In a frame turned by -h the line is horizontal, off above the centre;
    // the crossings lie at +-t from the foot of the perpendicular.
    const double h = DirectionAngle(bx - ax, by - ay);
    const double off = RotatedY(ax, ay, cx, cy, -h) - cy;
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
    double s = 0.0;
    double c = 0.0;
    SineCosine(h, s, c);
    result.p1 = {cx + c * t - s * off, cy + s * t + c * off};
    result.p2 = {cx + c * -t - s * off, cy + s * -t + c * off};
    return result;
}

CurveCrossings SegmentCircleIntersection(double ax, double ay, double bx, double by, double cx,
                                         double cy, double r) noexcept {
    const CurveCrossings line = LineCircleIntersection(ax, ay, bx, by, cx, cy, r);

    // Turned about A by -h the segment runs along +X from ax to B'x.
    const double h = DirectionAngle(bx - ax, by - ay);
    const double endX = RotatedX(bx, by, ax, ay, -h);
    CurveCrossings result;
    const auto take = [&](PlanePoint p) noexcept {
        const double along = RotatedX(p.X, p.Y, ax, ay, -h);
        if (ax - kCircleExtentTolerance <= along && along <= endX + kCircleExtentTolerance) {
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
