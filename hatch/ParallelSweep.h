// The indexed sweep on this thread or on several. The lines to hatch are cut
// into runs of a few consecutive lines as the sweep goes (LineRuns), lines
// that reach no solid passed over. With several threads, each worker takes
// the next run when it is free and clips it, with its own walk over the
// solids in reach, into slot r % slots of a ring of slots (r: the run's
// number in the sweep's order), each a PreparedRun of the sink (which may
// compose the run's text there, on the worker); the calling thread hands the
// slots on in run order, so the sink sees the same pieces in the same order
// on any number of threads. A worker waits while its slot still holds a run
// that has not been handed on. The stop token is asked before each run.
#pragma once

#include <stop_token>

#include "hatch/ClippedPiece.h"
#include "hatch/HatchSolid.h"
#include "hatch/SweepPlan.h"

namespace rv17 {

// As RunSweep with SweepMode::Indexed. The workers only read the solids and
// the plan; the sink is called on this thread alone. False when stopped.
bool RunParallelSweep(const SweepSolids& solids, const SweepPlan& plan, unsigned threads,
                      std::stop_token stop, PieceSink& sink);

}  // namespace rv17
