// The conversion without the save, with the choice of sweep: for the preview,
// and for the tests and benchmarks that compare the two sweeps.
#pragma once

#include <stop_token>

#include "exchange/OutputWriter.h"
#include "hatch/ConversionResult.h"
#include "hatch/HatchSettings.h"
#include "hatch/SweepDriver.h"

namespace rv17 {

// The indexed sweep on every core there is, up to a few, as OK runs it.
SweepOptions EveryCoreSweep(std::stop_token stop = {});

// Writes the whole output of a conversion of the writer's drawing: "hd" (and
// "bz"), the written-back figures, the hatch pen and the hatch pieces. Only a
// sweep too large is refused (nothing is written then); the other checks are
// ConversionRun's. A sweep stopped through options.stop leaves the result
// incomplete.
ConversionResult BuildConversionOutput(OutputWriter& writer, const HatchSettings& settings,
                                       const SweepOptions& options = {});

}  // namespace rv17
