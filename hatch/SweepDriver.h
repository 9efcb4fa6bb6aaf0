// The sweep: hatch lines through S, then forward and backward until a line
// misses the bounds, each line handed to the solids it can cut and its pieces
// to a piece sink.
#pragma once

#include <stop_token>

#include "hatch/ClipContext.h"
#include "hatch/ClippedPiece.h"
#include "hatch/HatchLine.h"
#include "hatch/HatchSolid.h"
#include "hatch/SweepPlan.h"

namespace rv17 {

enum class SweepMode {
    // Every line is offered to every solid in file order, each outline built
    // afresh and the inside test by the angle sum: the plain algorithm, kept
    // as the reference the indexed sweep is checked against.
    Literal,
    // Each line is offered only to the solids within its reach (SweepIndex),
    // curved outlines are kept while their solid stays in reach, and the inside
    // test takes its exact fast path. Gives the same pieces as Literal.
    Indexed,
};

struct SweepOptions {
    SweepMode mode = SweepMode::Indexed;
    // The indexed sweep clips runs of lines on this many threads (ParallelSweep);
    // the pieces reach the sink in the same order.
    unsigned threads = 1;
    // Asked once per run of lines; once stop is requested the sweep ends
    // without handing on the lines still to come.
    std::stop_token stop;
};

// Hands one solid of the sweep's solids to its clipper.
void ClipSolid(ClipContext& context, const SweepSolids& solids, const HatchSolid& solid,
               const HatchLine& line);

// Runs the whole sweep of the plan over the solids, handing every line's
// pieces to sink in the sweep's order. The plan must not be tooLarge, and the
// solids must be those it was made for, placed in its frame (moved by
// -plan.origin). False when it was stopped before the end.
bool RunSweep(const SweepSolids& solids, const SweepPlan& plan, const SweepOptions& options,
              PieceSink& sink);

}  // namespace rv17
