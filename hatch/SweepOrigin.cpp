// The origin of the sweep's coordinates.
#include "hatch/SweepOrigin.h"

#include <algorithm>
#include <cmath>

namespace rv17 {

namespace {

// The centre of one axis's extent low..high when the extent lies far from
// zero and within a factor of two of its centre, else 0. Every coordinate of
// such an extent less the centre is exact (the difference of two numbers
// within a factor of two of each other needs no rounding), so the solids
// are moved without the least change of shape.
double AxisOrigin(double low, double high) noexcept {
    const double centre = (low + high) / 2.0;
    if (!(std::fabs(centre) > kFarFromOrigin) || !std::isfinite(centre)) return 0.0;
    const bool withinTwice = centre > 0.0 ? low >= centre / 2.0 && high <= centre * 2.0
                                          : high <= centre / 2.0 && low >= centre * 2.0;
    return withinTwice ? centre : 0.0;
}

}  // namespace

PlanePoint SweepOrigin(const PlaneBox& bounds) noexcept {
    return {AxisOrigin(bounds.minX, bounds.maxX), AxisOrigin(bounds.minY, bounds.maxY)};
}

SweepPlan PlanSweepOfStore(const EntityStore& store, HatchParameters parameters) {
    const PlaneBox bounds = BuildSolidBounds(store);
    const PlanePoint origin = SweepOrigin(bounds);
    if (origin.X == 0.0 && origin.Y == 0.0) return PlanSweep(bounds, parameters);
    parameters.reference = PointDifference(parameters.reference, origin);
    SweepPlan plan = PlanSweep(BuildSolidBounds(store, origin), parameters);
    plan.origin = origin;
    return plan;
}

}  // namespace rv17
