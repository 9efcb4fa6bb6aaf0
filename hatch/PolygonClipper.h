// Cutting one hatch line to a triangle or quadrilateral solid.
#pragma once

#include <cstdint>

#include "exchange/EntityStore.h"
#include "hatch/ClipContext.h"
#include "hatch/HatchLine.h"

namespace rv17 {

// The line is intersected with the edges P1->P2, P2->P3, P3->P1 (and P3->P4,
// P4->P1 for a quadrilateral); each crossing on both segments is collected,
// and every stretch between consecutive crossings whose midpoint lies inside
// the outline is written in the hatch colour.
void ClipTriangleSolid(ClipContext& context, std::int32_t hatchColour, const HatchLine& line,
                       const TriangleSolidRecord& solid);
void ClipQuadSolid(ClipContext& context, std::int32_t hatchColour, const HatchLine& line,
                   const QuadSolidRecord& solid);

}  // namespace rv17
