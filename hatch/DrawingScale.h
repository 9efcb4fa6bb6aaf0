// What the typed interval means on a drawing: the scale of the layer group the
// hatch is written to, and whether the host wrote paper or real-size coordinates.
#pragma once

#include "exchange/EntityStore.h"

namespace rv17 {

// The denominator of the hatch's layer group scale (100 for 1/100):
// groupScale[initialLayerGroup] when that is finite and positive, else 1.
double HatchGroupScale(const EntityStore& store) noexcept;

// The host writes paper millimetres when its file holds "bz", real-size
// millimetres otherwise.
inline bool CoordinatesOnPaper(const EntityStore& store) noexcept { return store.bzFlag; }

// The spacing in the file's coordinates for an interval typed in paper
// millimetres (or in real-size millimetres with realSize). A paper interval on
// paper coordinates, or a real-size one on real-size coordinates, is taken as
// typed, to the last bit.
double AppliedInterval(const EntityStore& store, double typedInterval, bool realSize) noexcept;

}  // namespace rv17
