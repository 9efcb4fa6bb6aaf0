// Writing a conversion's whole output with a chosen sweep, and the sweep OK uses.
#include "hatch/ConversionBuild.h"

#include <algorithm>
#include <utility>

#include "exchange/AttributeEmitters.h"
#include "exchange/EntityWriteBack.h"
#include "hatch/HatchParameters.h"
#include "hatch/HatchSolid.h"
#include "hatch/PieceJoiner.h"
#include "hatch/PieceWriter.h"
#include "hatch/SweepOrigin.h"
#include "hatch/SweepPlan.h"
#include "hatch/UsableCores.h"

namespace rv17 {

// The sweep takes every core the process may use, up to a few; at least one
// where the count is not known (reported as 0).
SweepOptions EveryCoreSweep(std::stop_token stop) {
    SweepOptions options;
    options.threads = std::clamp(UsableCores(), 1u, 8u);
    options.stop = std::move(stop);
    return options;
}

ConversionResult BuildConversionOutput(OutputWriter& writer, const HatchSettings& settings,
                                       const SweepOptions& options) {
    const EntityStore& store = writer.Drawing();
    ConversionResult result;
    const HatchParameters parameters = DeriveHatchParameters(store, settings);
    const SweepPlan plan = PlanSweepOfStore(store, parameters);
    if (plan.tooLarge) {
        result.outcome = ConversionOutcome::SweepTooLarge;
        return result;
    }

    // The host replaces the selection with everything after "hd".
    writer.Line("hd");
    if (store.bzFlag) writer.Line("bz");
    WriteBackEntities(writer);

    // The hatch pen; the colour follows per piece, as each solid decides it.
    EmitLayerGroup(writer, store.initial.initialLayerGroup);
    EmitLayer(writer, store.initial.initialLayer);
    EmitLineType(writer, parameters.lineType);
    EmitLineWidth(writer, parameters.lineWidth);

    result.solids = SolidCount(store);
    result.firstSweepLine = writer.LinesWritten();
    const SweepSolids solids(store, parameters, plan.origin);
    PieceWriter pieces(writer, plan.origin);
    if (settings.joinTouching) {
        PieceJoiner joiner(pieces, plan.angle);
        result.complete = RunSweep(solids, plan, options, joiner);
    } else {
        result.complete = RunSweep(solids, plan, options, pieces);
    }
    pieces.Finish();
    result.hatchSegments = pieces.Segments();
    return result;
}

}  // namespace rv17
