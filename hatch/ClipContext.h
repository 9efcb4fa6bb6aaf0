// What a clipper works with besides the hatch line and the solid: the store
// whose output receives the pieces, the crossing list, the inside test and
// the slot for the solid's outline.
#pragma once

#include <cstdint>

#include "CrossingList.h"
#include "EntityStore.h"
#include "HatchLine.h"
#include "OutlinePolygon.h"

// The inside test of midpoints: 0 outside, 1 on the outline, 2 inside.
using InsideTest = int (*)(int n, const double* x, const double* y, double px, double py) noexcept;

struct ClipContext {
    EntityStore& store;
    CrossingList& crossings;
    InsideTest insideTest;
    OutlineSlot& outline;
};

// Writes every piece between consecutive crossings whose midpoint the inside
// test places inside the outline: the hatch colour (when it changed), "z1" and
// the piece from the earlier crossing to the later one.
void EmitInsidePieces(ClipContext& context, std::int32_t hatchColour);
