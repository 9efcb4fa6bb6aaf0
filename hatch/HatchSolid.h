// The solids of one sweep, placed in the sweep's frame by its caller: the
// records of the hatchable kinds, and the solids to hatch in file order, each
// with its hatch colour. Made once before the sweep and then only read.
#pragma once

#include <cstdint>
#include <vector>

#include "exchange/EntityStore.h"
#include "geometry/PlanePoint.h"
#include "hatch/HatchParameters.h"

namespace rv17 {

struct HatchSolid {
    EntityKind kind;
    std::uint32_t index;       // in its kind's list
    std::int32_t hatchColour;  // from SolidColourRule
};

struct SweepSolids {
    // Walks the EntityOrder from first to last and keeps the solids of kinds
    // 10, 11, 12, 14 and 15 (entries that name no stored record are passed over).
    std::vector<HatchSolid> inFileOrder;
    // Every record of each hatchable kind, in its list's order, moved by -origin.
    std::vector<TriangleSolidRecord> triangles;
    std::vector<QuadSolidRecord> quads;
    std::vector<CircleSolidRecord> circles;
    std::vector<RingSolidRecord> rings;
    std::vector<RingSolidRecord> constantWidthRings;
};

// The store's solids moved by -origin (the sweep's origin, SweepPlan::origin),
// with the hatch colours the parameters give them.
SweepSolids PlaceSweepSolids(const EntityStore& store, const HatchParameters& parameters,
                             PlanePoint origin);

// The list of kind K's records among the solids.
template <EntityKind K>
const auto& SolidsOfKind(const SweepSolids& solids) noexcept {
    if constexpr (K == EntityKind::TriangleSolid) {
        return solids.triangles;
    } else if constexpr (K == EntityKind::QuadSolid) {
        return solids.quads;
    } else if constexpr (K == EntityKind::CircleSolid) {
        return solids.circles;
    } else if constexpr (K == EntityKind::RingSolid) {
        return solids.rings;
    } else {
        static_assert(K == EntityKind::ConstantWidthRingSolid);
        return solids.constantWidthRings;
    }
}

}  // namespace rv17
