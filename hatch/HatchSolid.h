// The hatchable solids of a run in file order, each with its hatch colour.
#pragma once

#include <cstdint>
#include <vector>

#include "exchange/EntityStore.h"
#include "hatch/HatchParameters.h"

namespace rv17 {

struct HatchSolid {
    EntityKind kind;
    std::uint32_t index;       // in its kind's list
    std::int32_t hatchColour;  // from SolidColourRule
};

// Walks the EntityOrder from first to last and keeps the solids of kinds 10,
// 11, 12, 14 and 15 (entries that name no stored record are passed over).
std::vector<HatchSolid> CollectHatchSolids(const EntityStore& store,
                                           const HatchParameters& parameters);

}  // namespace rv17
