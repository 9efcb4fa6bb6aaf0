// When a midpoint is certainly inside, and why.
//
// PointInPolygon gives Inside when no edge holds the point (PointOnSegment) and
// the signed angles under which the edges are seen add up to +-360 degrees
// within 1e-4. PointInPolygonFast gives the same verdict from the winding
// number when CertainWindingNumber certifies it. For a point at distance at
// least c from every edge line of a convex outline of diameter D, closed
// exactly, with edges no shorter than l, that certificate holds when
//   - every vector from a corner to the point (longer than c) has a usable
//     length, and two of them multiply to more than 1e-11: c >= 1e-5;
//   - the turn at each corner is clear of 0 and 180 degrees, |sin| > 1e-6:
//     the sine is at least c / D, so c > 1e-6 D;
//   - the sign of each cross product, at least c l, is clear of its
//     rounding, 1e-14 (2 D^2): c > 2e-14 D^2 / l;
//   - the error bound of at most 5 edges (6e-8 radians each at worst) stays
//     within half the tolerance (8.7e-7 radians): it does.
// Its winding number is then +-1, the point being inside a convex outline.
// PointOnSegment places the point on an edge only within 1e-8 of a nearly
// vertical or horizontal edge's line, c > 1e-8 (1 + D / l), or when both of
// its parameters agree within 1e-8, which needs c < 0.5e-8 l. All of these
// are demanded twice over, which also covers the rounding of the distances
// computed here (below 1e-15 D).
#include "hatch/CertainInside.h"

#include <algorithm>
#include <cmath>

namespace rv17 {

namespace {

// The bounds above, squared: c^2 >= 4 max(1e-10, 1e-12 D^2, 4e-28 D^4 / l^2,
// 2e-16 (1 + D^2 / l^2)), the last one covering (1e-8 (1 + D / l))^2.
constexpr double kLeastClearanceSquared = 1e-10;
constexpr double kTurnShareSquared = 1e-12;
constexpr double kCrossShareSquared = 4e-28;
constexpr double kOnEdgeSquared = 2e-16;
constexpr double kTwiceOverSquared = 4.0;
// Beyond this size products of coordinates could leave the usable range.
constexpr double kLargestDiameter = 1e60;

// The outline's chords stay 0.99905 r from the centre; points within 0.999 r
// are at least 4.8e-5 r clear. From 1e-2 up that is at least 4.8e-7, and
// c / D = 2.4e-5, both far above their bounds (a regular 72-gon's chords are
// 0.087 r long, so D / l = 23).
constexpr double kCertainRadiusShare = 0.999;
constexpr double kSmallestCircle = 1e-2;

}  // namespace

CertainInside CertainInside::WholeCircle(double cx, double cy, double radius) noexcept {
    CertainInside certain;
    const double size = std::fabs(radius);
    if (!(size >= kSmallestCircle && size <= kLargestDiameter)) return certain;
    const double within = kCertainRadiusShare * size;
    certain.kind_ = Kind::Disc;
    certain.cx_ = cx;
    certain.cy_ = cy;
    certain.radiusSquared_ = within * within;
    return certain;
}

CertainInside CertainInside::ConvexCorners(const double* x, const double* y, int n) noexcept {
    CertainInside certain;
    if (n < 3 || n > 4) return certain;
    double minX = x[0], maxX = x[0], minY = y[0], maxY = y[0];
    double shortest = 0.0;
    for (int i = 0; i < n; ++i) {
        const int next = i + 1 == n ? 0 : i + 1;
        certain.x_[i] = x[i];
        certain.y_[i] = y[i];
        certain.ex_[i] = x[next] - x[i];
        certain.ey_[i] = y[next] - y[i];
        certain.lengthSquared_[i] =
            certain.ex_[i] * certain.ex_[i] + certain.ey_[i] * certain.ey_[i];
        shortest =
            i == 0 ? certain.lengthSquared_[i] : std::min(shortest, certain.lengthSquared_[i]);
        minX = std::min(minX, x[i]);
        maxX = std::max(maxX, x[i]);
        minY = std::min(minY, y[i]);
        maxY = std::max(maxY, y[i]);
    }
    const double diameterSquared = (maxX - minX) * (maxX - minX) + (maxY - minY) * (maxY - minY);
    if (!(shortest > 0.0 && diameterSquared <= kLargestDiameter * kLargestDiameter)) return certain;

    // Convex: every turn to the same side, none straight.
    double side = 0.0;
    for (int i = 0; i < n; ++i) {
        const int next = i + 1 == n ? 0 : i + 1;
        const double turn = certain.ex_[i] * certain.ey_[next] - certain.ey_[i] * certain.ex_[next];
        if (turn == 0.0 || !std::isfinite(turn)) return certain;
        if (side == 0.0) side = turn > 0.0 ? 1.0 : -1.0;
        if ((turn > 0.0) != (side > 0.0)) return certain;
    }

    const double ratioSquared = diameterSquared / shortest;
    certain.kind_ = Kind::Convex;
    certain.corners_ = n;
    certain.side_ = side;
    certain.clearanceSquared_ =
        kTwiceOverSquared * std::max({kLeastClearanceSquared, kTurnShareSquared * diameterSquared,
                                      kCrossShareSquared * diameterSquared * ratioSquared,
                                      kOnEdgeSquared * (1.0 + ratioSquared)});
    return certain;
}

bool CertainInside::Holds(double px, double py) const noexcept {
    if (kind_ == Kind::Disc) {
        const double dx = px - cx_;
        const double dy = py - cy_;
        return dx * dx + dy * dy <= radiusSquared_;
    }
    if (kind_ != Kind::Convex) return false;
    for (int i = 0; i < corners_; ++i) {
        // The cross product is the distance from the edge's line times the edge's length.
        const double cross = (ex_[i] * (py - y_[i]) - ey_[i] * (px - x_[i])) * side_;
        if (!(cross > 0.0 && cross * cross >= clearanceSquared_ * lengthSquared_[i])) return false;
    }
    return true;
}

}  // namespace rv17
