// Placing the solids that the sweep offers each line to.
#include "hatch/HatchSolid.h"

#include "hatch/SolidColourRule.h"
#include "hatch/SolidFigure.h"

namespace rv17 {

namespace {

std::int32_t SolidColour(const EntityStore& store, EntityKind kind, std::size_t index) noexcept {
    return VisitKind(
        HatchableKinds{}, kind,
        [&](auto traits) { return traits.List(store)[index].header.colour; }, std::int32_t{0});
}

std::vector<HatchSolid> CollectHatchSolids(const EntityStore& store,
                                           const HatchParameters& parameters) {
    std::vector<HatchSolid> solids;
    solids.reserve(static_cast<std::size_t>(SolidCount(store)));
    const std::size_t count = store.EntityOrder.Count();
    for (std::size_t i = 0; i < count; ++i) {
        const EntityOrderEntry entry = store.EntityOrder[i];
        if (!IsHatchableKind(entry.kind) || entry.index < 0) continue;
        const auto index = static_cast<std::size_t>(entry.index);
        if (index >= EntityCount(store, entry.kind)) continue;
        const std::int32_t colour =
            SolidColourRule(SolidColour(store, entry.kind, index), parameters.hatchColour,
                            parameters.recolourNumberedSolids, parameters.recolourSxfSolids);
        solids.push_back({entry.kind, static_cast<std::uint32_t>(index), colour});
    }
    return solids;
}

// The list itself at the drawing's origin, else its records moved into `moved`.
template <class Record>
const BlockList<Record>* Placed(const BlockList<Record>& list, PlanePoint origin,
                                BlockList<Record>& moved) {
    if (origin.X == 0.0 && origin.Y == 0.0) return &list;
    for (std::size_t i = 0; i < list.Count(); ++i) moved.Append() = MovedRecord(list[i], origin);
    return &moved;
}

}  // namespace

SweepSolids::SweepSolids(const EntityStore& store, const HatchParameters& parameters,
                         PlanePoint origin)
    : inFileOrder(CollectHatchSolids(store, parameters)),
      triangles(Placed(store.triangleSolids, origin, movedTriangles_)),
      quads(Placed(store.quadSolids, origin, movedQuads_)),
      circles(Placed(store.circleSolids, origin, movedCircles_)),
      rings(Placed(store.ringSolids, origin, movedRings_)),
      constantWidthRings(Placed(store.constantWidthRingSolids, origin, movedConstantWidthRings_)) {}

}  // namespace rv17
