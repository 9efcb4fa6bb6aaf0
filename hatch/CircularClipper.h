// Cutting one hatch line to a circular solid (circle or ellipse, whole, as a
// segment, a sector or a tangent corner) or to a ring solid.
#pragma once

#include <cstdint>

#include "exchange/EntityStore.h"
#include "geometry/PlanePoint.h"
#include "hatch/ClipContext.h"
#include "hatch/HatchLine.h"
#include "hatch/SolidFigure.h"

namespace rv17 {

// A start angle (radians) brought into [0, 2pi) through the degree normalisation.
double NormalizedRadians(double angle) noexcept;

// The corner where the tangents at the ends of a circular solid's arc meet.
PlanePoint TangentCornerOf(const CircleSolidRecord& solid) noexcept;

// Solids whose figure is undefined are not hatched: a flatness of zero or
// less, and for a constant-width ring a second radius of zero or a second
// edge whose flatness is not a number or, where the edge is cut as an
// ellipse, zero. Cutting them would divide by zero.
bool IsClippableCircleSolid(const CircleSolidRecord& solid) noexcept;
bool IsClippableRingSolid(RingVariant ringVariant, const RingSolidRecord& ring) noexcept;

// The figure of FigureSolidMode: between the arc and its chord, the sector,
// between the arc and the tangents at its ends, or, for any other mode, the
// whole curve.
void ClipCircleSolid(ClipContext& context, std::int32_t hatchColour, const HatchLine& line,
                     const CircleSolidRecord& solid);

// The band between the two edges, closed by end edges when the arc is not whole.
void ClipRingSolid(ClipContext& context, std::int32_t hatchColour, RingVariant ringVariant,
                   const HatchLine& line, const RingSolidRecord& ring);

}  // namespace rv17
