// Point on a segment, and point against a closed outline by the winding angle.
#include "geometry/PointInPolygon.h"

#include <algorithm>
#include <cmath>

#include "geometry/Angles.h"
#include "geometry/WindingNumber.h"

namespace rv17 {

SegmentPosition PointOnSegment(PlanePoint p, PlanePoint s, PlanePoint e) noexcept {
    const PlanePoint u = PointDifference(e, s);
    const PlanePoint v = PointDifference(p, s);
    if (std::fabs(u.X) <= kOnSegmentTolerance && std::fabs(u.Y) <= kOnSegmentTolerance) {
        return SegmentPosition::NotOnSegment;
    }

    // p = s + tau u. Along a nearly vertical or horizontal segment the
    // component across it is compared directly; otherwise both components
    // must give the same tau (strictly within 1e-8).
    bool collinear = false;
    double tau = 0.0;
    if (std::fabs(u.X) <= kOnSegmentTolerance) {
        collinear = std::fabs(v.X) <= kOnSegmentTolerance;
        tau = v.Y / u.Y;
    } else if (std::fabs(u.Y) <= kOnSegmentTolerance) {
        collinear = std::fabs(v.Y) <= kOnSegmentTolerance;
        tau = v.X / u.X;
    } else {
        tau = v.X / u.X;
        collinear = std::fabs(tau - v.Y / u.Y) < kOnSegmentTolerance;
    }
    if (!collinear) return SegmentPosition::NotOnSegment;
    if (std::fabs(tau) <= kOnSegmentTolerance) return SegmentPosition::AtStart;
    if (std::fabs(tau - 1.0) <= kOnSegmentTolerance) return SegmentPosition::AtEnd;
    if (tau >= 0.0 && tau <= 1.0) return SegmentPosition::Within;
    return SegmentPosition::NotOnSegment;
}

namespace {

bool OnAnyEdge(int n, const double* x, const double* y, PlanePoint t) noexcept {
    for (int i = 1; i < n; ++i) {
        if (PointOnSegment(t, {x[i - 1], y[i - 1]}, {x[i], y[i]}) != SegmentPosition::NotOnSegment)
            return true;
    }
    return false;
}

// The sum of the signed angles under which the edges are seen from T: each
// edge adds the angle between the vectors from its two ends to T, negative
// when the turn is clockwise. An angle within 1e-8 of 180 degrees adds nothing.
PolygonPosition WindingAngleVerdict(int n, const double* x, const double* y,
                                    PlanePoint t) noexcept {
    if (n < 1) return PolygonPosition::Outside;
    double sum = 0.0;
    PlanePoint previous = VectorFromTo(x[0], y[0], t.X, t.Y);
    for (int i = 1; i < n; ++i) {
        const PlanePoint current = VectorFromTo(x[i], y[i], t.X, t.Y);
        double angle = AngleBetweenVectorsDegrees(previous, current);
        if (std::fabs(angle - 180.0) <= kStraightAngleTolerance) angle = 0.0;
        if (!TurnsCounterClockwise(previous, current)) angle = -angle;
        sum += angle;
        previous = current;
    }
    return std::fabs(std::fabs(sum) - 360.0) <= kWindingTolerance ? PolygonPosition::Inside
                                                                  : PolygonPosition::Outside;
}

// True when T lies so far outside the box of the edge s->e that PointOnSegment
// cannot place it on the edge. A point it accepts has tau (and, off the
// vertical and horizontal cases, the other component's tau) within 2e-8 of
// [0, 1], or a component within 1e-8 of s, so it lies in the edge's box
// widened by 2e-8 of the edge's extent plus 1e-8; the margin below is five
// times that, plus the rounding of the differences that PointOnSegment forms.
bool ClearOfEdgeBox(PlanePoint t, double sx, double sy, double ex, double ey) noexcept {
    const double margin = 1e-7 * (1.0 + std::fabs(ex - sx) + std::fabs(ey - sy)) +
                          1e-15 * (std::fabs(t.X) + std::fabs(t.Y) + std::fabs(sx) + std::fabs(sy));
    return t.X < std::min(sx, ex) - margin || t.X > std::max(sx, ex) + margin ||
           t.Y < std::min(sy, ey) - margin || t.Y > std::max(sy, ey) + margin;
}

// OnAnyEdge with the exact test skipped for edges whose box is clear of T.
bool OnAnyEdgeScreened(int n, const double* x, const double* y, PlanePoint t) noexcept {
    for (int i = 1; i < n; ++i) {
        if (ClearOfEdgeBox(t, x[i - 1], y[i - 1], x[i], y[i])) continue;
        if (PointOnSegment(t, {x[i - 1], y[i - 1]}, {x[i], y[i]}) != SegmentPosition::NotOnSegment)
            return true;
    }
    return false;
}

}  // namespace

PolygonPosition PointInPolygon(int n, const double* x, const double* y, double px,
                               double py) noexcept {
    const PlanePoint t{px, py};
    if (OnAnyEdge(n, x, y, t)) return PolygonPosition::OnOutline;
    return WindingAngleVerdict(n, x, y, t);
}

PolygonPosition PointInPolygonFast(int n, const double* x, const double* y, double px,
                                   double py) noexcept {
    const PlanePoint t{px, py};
    if (OnAnyEdgeScreened(n, x, y, t)) return PolygonPosition::OnOutline;
    const WindingCertificate certificate = CertainWindingNumber(n, x, y, px, py);
    if (!certificate.certain) return WindingAngleVerdict(n, x, y, t);
    return certificate.winding == 1 || certificate.winding == -1 ? PolygonPosition::Inside
                                                                 : PolygonPosition::Outside;
}

}  // namespace rv17
