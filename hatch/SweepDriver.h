// The sweep: hatch lines through S, then forward and backward until a line
// misses the bounds, each line handed to the solids it can cut.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "exchange/EntityStore.h"
#include "hatch/ClipContext.h"
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
    // test takes its exact fast path. Writes the same bytes as Literal.
    Indexed,
};

// Told of every line the sweep dispatches, in order, and whether it met the bounds.
using LineObserver = std::function<void(const HatchLine& line, bool metBounds)>;

struct SweepOptions {
    SweepMode mode = SweepMode::Indexed;
    const LineObserver* observer = nullptr;
    // The indexed sweep without an observer composes its pieces' lines in runs
    // (ComposedSweep), on this many threads; the bytes are the same.
    unsigned threads = 1;
};

// Hands one solid to its clipper.
void ClipSolid(ClipContext& context, const HatchSolid& solid, const HatchLine& line);

// Runs the whole sweep of the plan over the solids, writing the pieces to the
// store's output; returns how many pieces it wrote. The plan must not be tooLarge,
// and the store's solids must be those the plan was made for, moved by -plan.origin.
std::size_t RunSweep(EntityStore& store, const std::vector<HatchSolid>& solids,
                     const SweepPlan& plan, const SweepOptions& options);

}  // namespace rv17
