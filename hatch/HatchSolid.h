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

// The store's solids moved by -origin (the sweep's origin, SweepPlan::origin),
// with the hatch colours the parameters give them. At the drawing's own
// origin the store's lists serve as they are; only far drawings are copied.
class SweepSolids {
    // Declared first: made before the lists below point to them.
    BlockList<TriangleSolidRecord> movedTriangles_;
    BlockList<QuadSolidRecord> movedQuads_;
    BlockList<CircleSolidRecord> movedCircles_;
    BlockList<RingSolidRecord> movedRings_;
    BlockList<RingSolidRecord> movedConstantWidthRings_;

public:
    SweepSolids(const EntityStore& store, const HatchParameters& parameters, PlanePoint origin);
    SweepSolids(const SweepSolids&) = delete;
    SweepSolids& operator=(const SweepSolids&) = delete;

    // Walks the EntityOrder from first to last and keeps the solids of kinds
    // 10, 11, 12, 14 and 15 (entries that name no stored record are passed over).
    std::vector<HatchSolid> inFileOrder;
    // Every record of each hatchable kind, in its list's order, placed.
    const BlockList<TriangleSolidRecord>* triangles;
    const BlockList<QuadSolidRecord>* quads;
    const BlockList<CircleSolidRecord>* circles;
    const BlockList<RingSolidRecord>* rings;
    const BlockList<RingSolidRecord>* constantWidthRings;
};

// The list of kind K's records among the solids.
template <EntityKind K>
const auto& SolidsOfKind(const SweepSolids& solids) noexcept {
    if constexpr (K == EntityKind::TriangleSolid) {
        return *solids.triangles;
    } else if constexpr (K == EntityKind::QuadSolid) {
        return *solids.quads;
    } else if constexpr (K == EntityKind::CircleSolid) {
        return *solids.circles;
    } else if constexpr (K == EntityKind::RingSolid) {
        return *solids.rings;
    } else {
        static_assert(K == EntityKind::ConstantWidthRingSolid);
        return *solids.constantWidthRings;
    }
}

}  // namespace rv17
