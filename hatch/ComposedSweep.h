// The indexed sweep that composes its pieces' lines ahead of writing them.
// The lines to hatch are found first, in the sweep's order, and cut into runs
// of consecutive lines. A run's pieces are composed into text, grouped by
// colour; writing a run then costs a colour line where the colour changes and
// one copy of each group's text. With several threads the runs are dealt out
// in turn to workers, each with its own index of the solids in reach, and this
// thread writes them in order, so the output has the same bytes.
#pragma once

#include <cstddef>
#include <vector>

#include "exchange/EntityStore.h"
#include "hatch/HatchSolid.h"
#include "hatch/SweepPlan.h"

namespace rv17 {

// As RunSweep with SweepMode::Indexed. While it runs, the workers only read
// the store's figures; this thread alone writes the output.
std::size_t RunComposedSweep(EntityStore& store, const std::vector<HatchSolid>& solids,
                             const SweepPlan& plan, unsigned threads);

}  // namespace rv17
