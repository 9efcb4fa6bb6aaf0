// Where the sweep's coordinates are taken from: the drawing's own origin, or,
// for a drawing far from it, the centre of the solids' bounds. The slope and
// intercept of a line among coordinates near 1e9 carry errors far beyond the
// geometry's 1e-8 tolerances, so that lines across the solids would be taken
// to miss them; moved near the origin, the solids keep their full precision,
// and each piece is moved back as it is written.
#pragma once

#include "exchange/EntityStore.h"
#include "geometry/PlanePoint.h"
#include "hatch/HatchParameters.h"
#include "hatch/SolidBounds.h"
#include "hatch/SweepPlan.h"

namespace rv17 {

// Beyond this distance a unit in the last place of a coordinate exceeds 1e-9,
// a tenth of the geometry's tolerances.
inline constexpr double kFarFromOrigin = 0x1p22;

// On each axis, the centre of the bounds when it lies beyond kFarFromOrigin
// and the bounds lie within half and twice of it, so that moving the solids
// by it changes no coordinate but by an exact difference; 0 otherwise.
PlanePoint SweepOrigin(const PlaneBox& bounds) noexcept;

// The sweep of the store's solids, in coordinates taken from SweepOrigin of
// their bounds (the reference point moved with them); plan.origin tells where.
SweepPlan PlanSweepOfStore(const EntityStore& store, HatchParameters parameters);

}  // namespace rv17
