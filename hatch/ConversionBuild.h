// The conversion without the save, with the choice of sweep, for the tests
// and benchmarks that compare the two sweeps or watch the lines go by.
#pragma once

#include "exchange/EntityStore.h"
#include "hatch/ConversionResult.h"
#include "hatch/HatchSettings.h"
#include "hatch/SweepDriver.h"

namespace rv17 {

// Appends the whole output of a conversion to the store's output lines:
// "hd" (and "bz"), the written-back figures, the hatch pen and the hatch pieces.
// Only a sweep too large is refused (nothing is appended then); the other
// checks are ConversionRun's.
ConversionResult BuildConversionOutput(EntityStore& store, const HatchSettings& settings,
                                       const SweepOptions& options = {});

}  // namespace rv17
