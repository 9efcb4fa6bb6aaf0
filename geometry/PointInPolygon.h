// Whether a point lies on a segment, and inside, on or outside a closed outline.
#pragma once

#include "geometry/PlanePoint.h"

namespace rv17 {

// Results of PointOnSegment.
enum class SegmentPosition { NotOnSegment, AtStart, Within, AtEnd };

// Results of PointInPolygon.
enum class PolygonPosition { Outside, OnOutline, Inside };

// Where p lies on the segment s->e. Collinearity is judged on the segment
// parameter (relative to the segment), or on the component across a segment
// that is within 1e-8 of vertical or horizontal. A segment shorter than 1e-8
// in both components holds no point.
SegmentPosition PointOnSegment(PlanePoint p, PlanePoint s, PlanePoint e) noexcept;

// The point (px, py) against the outline through the first n entries of x and
// y. The caller closes the outline by repeating the first vertex at the end.
// On any edge (PointOnSegment) it is on the outline; otherwise it is inside
// when the signed angles under which the edges are seen add up to +-360
// degrees within 1e-4. The outline may run either way round and may cross
// itself; a region it encloses twice counts as outside.
PolygonPosition PointInPolygon(int n, const double* x, const double* y, double px,
                               double py) noexcept;

// The same verdict as PointInPolygon for every input, faster: when the angle
// sum is certain to land within its rounding budget on 360 times the winding
// number, the verdict comes from the winding number, counted with signs of
// cross products; otherwise the angles are summed as PointInPolygon does.
PolygonPosition PointInPolygonFast(int n, const double* x, const double* y, double px,
                                   double py) noexcept;

}  // namespace rv17
