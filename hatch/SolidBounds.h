// The box that the hatch lines are swept across: it covers every hatchable
// solid of the store.
#pragma once

#include "exchange/EntityStore.h"
#include "geometry/PlaneBox.h"
#include "geometry/PlanePoint.h"

namespace rv17 {

// Visits the solids kind by kind (triangles, quadrilaterals, circular solids,
// rings, constant-width rings), each kind in its list order: corners of the
// polygons, and the square of the radius (or of radius times flatness, when
// larger) around each circular and ring solid. Then, so that no solid that is
// hatched reaches beyond the box: the tangent corner of every circular solid
// cut between its arc and the end tangents, the square of each ring's second
// edge, and squares that hold curves given with a negative radius.
PlaneBox BuildSolidBounds(const EntityStore& store);

// The same for the solids moved by -origin (MovedRecord).
PlaneBox BuildSolidBounds(const EntityStore& store, PlanePoint origin);

}  // namespace rv17
