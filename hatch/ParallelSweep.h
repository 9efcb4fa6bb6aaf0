// The indexed sweep on several threads. The lines to hatch are found first,
// in the sweep's order, and cut into runs of consecutive lines. The runs are
// dealt out in turn to the threads, each with its own index of the solids in
// reach; a thread clips its lines and composes each piece's text. This thread
// then writes the runs in order, with the pen lines that depend on the pieces
// before them, so the output has the same bytes as the sweep on one thread.
#pragma once

#include <cstddef>
#include <vector>

#include "exchange/EntityStore.h"
#include "hatch/HatchSolid.h"
#include "hatch/SweepPlan.h"

namespace rv17 {

// As RunSweep with SweepMode::Indexed; threads >= 1. While it runs the other
// threads only read the store's figures; this thread alone writes the output.
std::size_t RunParallelSweep(EntityStore& store, const std::vector<HatchSolid>& solids,
                             const SweepPlan& plan, unsigned threads);

}  // namespace rv17
