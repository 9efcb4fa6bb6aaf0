// The shared facts of a hatch line and the exact circle crossing built on them.
#include "hatch/LineFrame.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "geometry/Angles.h"
#include "geometry/GeometryTolerance.h"
#include "geometry/Trigonometry.h"

namespace rv17 {

namespace {

// Far beyond both the 1e-8 widening of SegmentIntersection and the rounding
// of its crossing, for coordinates of the size given.
constexpr double kSideMargin = 1e-6;

// Quantise(d) == 0, decided by the same operations as Quantise.
inline bool QuantisesToZero(double d) noexcept {
    return std::trunc(d / kQuantiserStep + 0.5) == 0.0;
}
constexpr double kSideRelativeMargin = 1e-9;

}  // namespace

LineFrame::LineFrame(const HatchLine& line) noexcept
    : line_(line), direction_(DirectionAngle(line.bx - line.ax, line.by - line.ay)) {
    SineCosine(-direction_, sinBack_, cosBack_);
    SineCosine(direction_, sinOut_, cosOut_);
    lineVertical_ = QuantisesToZero(line.ax - line.bx);
    slope_ = (line.by - line.ay) / (line.bx - line.ax);
    intercept_ = line.ay - slope_ * line.ax;
    // RotatedX(bx, by, ax, ay, -h) as RotatePoint forms it.
    endAlong_ = line.ax + cosBack_ * (line.bx - line.ax) - sinBack_ * (line.by - line.ay);

    middleX_ = (line.ax + line.bx) / 2.0;
    middleY_ = (line.ay + line.by) / 2.0;
    const double dx = line.ax - line.bx;
    const double dy = line.ay - line.by;
    const double length = std::sqrt(dx * dx + dy * dy);
    normalX_ = -dy / length;
    normalY_ = dx / length;
    const double size =
        std::fabs(line.ax) + std::fabs(line.ay) + std::fabs(line.bx) + std::fabs(line.by);
    sideMargin_ = kSideMargin + kSideRelativeMargin * size;
    if (!(length > 0.0) || !std::isfinite(sideMargin_) || !std::isfinite(normalX_) ||
        !std::isfinite(normalY_)) {
        sideMargin_ = std::numeric_limits<double>::infinity();
        normalX_ = normalY_ = 0.0;
    }
}

SegmentCrossing LineFrame::EdgeCrossing(double x3, double y3, double x4, double y4) const noexcept {
    // SegmentIntersection with the line as its first segment, step for step.
    const double x1 = line_.ax, y1 = line_.ay, x2 = line_.bx, y2 = line_.by;
    const bool edgeVertical = QuantisesToZero(x3 - x4);
    if (lineVertical_ && edgeVertical) return {};
    SegmentCrossing crossing;
    if (lineVertical_) {
        const double m2 = (y4 - y3) / (x4 - x3);
        crossing.point = {x1, (x1 - x3) * m2 + y3};
    } else if (edgeVertical) {
        crossing.point = {x3, (x3 - x1) * slope_ + y1};
    } else {
        const double m2 = (y4 - y3) / (x4 - x3);
        const double b2 = y3 - m2 * x3;
        if (QuantisesToZero(slope_ - m2)) return {};
        const double x = (b2 - intercept_) / (slope_ - m2);
        crossing.point = {x, slope_ * x + intercept_};
    }
    const auto within = [](double value, double end1, double end2) noexcept {
        return std::min(end1, end2) - kExtentWidening <= value &&
               value <= std::max(end1, end2) + kExtentWidening;
    };
    const PlanePoint p = crossing.point;
    const bool onBoth =
        within(p.X, x1, x2) && within(p.Y, y1, y2) && within(p.X, x3, x4) && within(p.Y, y3, y4);
    crossing.code = onBoth ? kCrossingOnBoth : kCrossingOutside;
    return crossing;
}

CurveCrossings LineFrame::SegmentCircle(double cx, double cy, double r) const noexcept {
    const HatchLine& l = line_;
    // LineCircleIntersection: off = RotatedY(ax, ay, cx, cy, -h) - cy.
    const double off = (cy + sinBack_ * (l.ax - cx) + cosBack_ * (l.ay - cy)) - cy;
    const double o = r * r - off * off;
    const double q = std::trunc(o / kQuantiserStep + 0.5) * kQuantiserStep;  // Quantise(o)
    if (q < 0.0) return {};
    double t = 0.0;
    int found = 1;
    if (q != 0.0) {
        t = std::sqrt(o);
        found = 2;
    }
    const PlanePoint p1{cx + cosOut_ * t - sinOut_ * off, cy + sinOut_ * t + cosOut_ * off};
    const PlanePoint p2{cx + cosOut_ * -t - sinOut_ * off, cy + sinOut_ * -t + cosOut_ * off};

    // SegmentCircleIntersection: the candidates within the segment, in order.
    CurveCrossings result;
    const auto take = [&](PlanePoint p) noexcept {
        const double along = l.ax + cosBack_ * (p.X - l.ax) - sinBack_ * (p.Y - l.ay);
        if (l.ax - kCircleExtentTolerance <= along && along <= endAlong_ + kCircleExtentTolerance) {
            (result.count == 0 ? result.p1 : result.p2) = p;
            ++result.count;
        }
    };
    take(p1);
    if (found == 2) take(p2);
    return result;
}

}  // namespace rv17
