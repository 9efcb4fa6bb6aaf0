// The winding number of a closed outline about a point, certified against the
// rounding of the angle sum that PointInPolygon adds up.
#pragma once

namespace rv17 {

struct WindingCertificate {
    bool certain = false;  // false: the angle sum must be computed to decide
    int winding = 0;
};

// When certain, the angle sum of PointInPolygon's winding pass for these
// arguments lies within half its 1e-4 degree tolerance of 360 * winding, where
// winding belongs to the outline closed from its last vertex to its first.
// Not certain for an outline left open by more than rounding, for non-finite
// or huge coordinates, for a point within 1e-10 of a vertex, and for a point
// so nearly in line with an edge that the pass's turn direction or its
// 180-degree rule could go either way.
WindingCertificate CertainWindingNumber(int n, const double* x, const double* y, double px,
                                        double py) noexcept;

}  // namespace rv17
