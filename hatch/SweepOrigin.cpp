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

}  // namespace

PlanePoint SweepOrigin(const SolidBounds& bounds) noexcept {
    const PlanePoint centre{(bounds.minX + bounds.maxX) / 2.0, (bounds.minY + bounds.maxY) / 2.0};
    const double distance = std::max(std::fabs(centre.X), std::fabs(centre.Y));
    if (!(distance > kFarFromOrigin) || !std::isfinite(distance)) return {0.0, 0.0};
    return centre;
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
