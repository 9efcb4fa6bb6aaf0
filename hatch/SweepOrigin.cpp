// The origin of the sweep's coordinates and the solids moved to it.
#include "hatch/SweepOrigin.h"

#include <algorithm>
#include <cmath>

#include "hatch/SolidFigure.h"

namespace rv17 {

namespace {

template <class Record>
void MoveList(BlockList<Record>& list, std::vector<Record>& saved, PlanePoint origin) {
    saved.reserve(list.Count());
    for (std::size_t i = 0; i < list.Count(); ++i) {
        saved.push_back(list[i]);
        list[i] = MovedRecord(list[i], origin);
    }
}

template <class Record>
void RestoreList(BlockList<Record>& list, const std::vector<Record>& saved) {
    for (std::size_t i = 0; i < saved.size() && i < list.Count(); ++i) list[i] = saved[i];
}

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

PlanePoint SweepOrigin(const SolidBounds& bounds) noexcept {
    return {AxisOrigin(bounds.minX, bounds.maxX), AxisOrigin(bounds.minY, bounds.maxY)};
}

SweepPlan PlanSweepOfStore(const EntityStore& store, HatchParameters parameters) {
    const SolidBounds bounds = BuildSolidBounds(store);
    const PlanePoint origin = SweepOrigin(bounds);
    if (origin.X == 0.0 && origin.Y == 0.0) return PlanSweep(bounds, parameters);
    parameters.reference = PointDifference(parameters.reference, origin);
    SweepPlan plan = PlanSweep(BuildSolidBounds(store, origin), parameters);
    plan.origin = origin;
    return plan;
}

MovedSolids::MovedSolids(EntityStore& store, PlanePoint origin) : store_(store) {
    if (origin.X == 0.0 && origin.Y == 0.0) return;
    MoveList(store.triangleSolids, triangles_, origin);
    MoveList(store.quadSolids, quads_, origin);
    MoveList(store.circleSolids, circles_, origin);
    MoveList(store.ringSolids, rings_, origin);
    MoveList(store.constantWidthRingSolids, constantWidthRings_, origin);
}

MovedSolids::~MovedSolids() {
    RestoreList(store_.triangleSolids, triangles_);
    RestoreList(store_.quadSolids, quads_);
    RestoreList(store_.circleSolids, circles_);
    RestoreList(store_.ringSolids, rings_);
    RestoreList(store_.constantWidthRingSolids, constantWidthRings_);
}

}  // namespace rv17
