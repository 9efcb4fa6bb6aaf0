// Midpoints that are inside a solid's outline for certain, decided in a few
// operations where the inside test would sum the angles of every edge. A
// point qualifies only when it lies so far inside a convex outline, clear of
// every edge, that PointOnSegment cannot place it on an edge and the angle
// sum of PointInPolygon lands on 360 degrees within its rounding: then the
// verdict is Inside, as PointInPolygon's. Any other point is left to the test.
#pragma once

namespace rv17 {

class CertainInside {
public:
    // Knows nothing: every point is left to the inside test.
    CertainInside() = default;

    // The outline of 72 chords of a circle of this radius about (cx, cy):
    // every chord lies r cos 2.5 degrees = 0.99905 r from the centre, so the
    // disc of radius 0.999 r is clear of them by 4.8e-5 r. Only for radii at
    // which that margin is far above the tolerances.
    static CertainInside WholeCircle(double cx, double cy, double radius) noexcept;

    // A triangle or quadrilateral given by its corners (n = 3 or 4), when
    // convex with edges of usable length.
    static CertainInside ConvexCorners(const double* x, const double* y, int n) noexcept;

    bool Holds(double px, double py) const noexcept;

private:
    enum class Kind { None, Disc, Convex };

    Kind kind_ = Kind::None;
    // Disc.
    double cx_ = 0.0;
    double cy_ = 0.0;
    double radiusSquared_ = 0.0;
    // Convex corners: each edge from (x_, y_) along (ex_, ey_), its squared
    // length, the side on which the inside lies, and the least distance from
    // every edge that makes a point certain.
    int corners_ = 0;
    double x_[4] = {};
    double y_[4] = {};
    double ex_[4] = {};
    double ey_[4] = {};
    double lengthSquared_[4] = {};
    double side_ = 0.0;
    double clearanceSquared_ = 0.0;
};

}  // namespace rv17
