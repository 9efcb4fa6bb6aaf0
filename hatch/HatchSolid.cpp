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

template <class Record>
void PlaceList(const BlockList<Record>& list, PlanePoint origin, std::vector<Record>& placed) {
    placed.reserve(list.Count());
    for (std::size_t i = 0; i < list.Count(); ++i) placed.push_back(MovedRecord(list[i], origin));
}

}  // namespace

SweepSolids PlaceSweepSolids(const EntityStore& store, const HatchParameters& parameters,
                             PlanePoint origin) {
    SweepSolids solids;
    solids.inFileOrder = CollectHatchSolids(store, parameters);
    PlaceList(store.triangleSolids, origin, solids.triangles);
    PlaceList(store.quadSolids, origin, solids.quads);
    PlaceList(store.circleSolids, origin, solids.circles);
    PlaceList(store.ringSolids, origin, solids.rings);
    PlaceList(store.constantWidthRingSolids, origin, solids.constantWidthRings);
    return solids;
}

}  // namespace rv17
