// The conversion without the save, with the choice of sweep, for the tests
// and benchmarks that compare the two sweeps or watch the lines go by.
#pragma once

#include <cstddef>

#include "exchange/EntityStore.h"
#include "hatch/HatchSettings.h"
#include "hatch/SweepDriver.h"

namespace rv17 {

struct ConversionBuild {
    bool built = false;              // false: the sweep is too large; nothing was appended
    std::size_t firstSweepLine = 0;  // the first output line written by the sweep
};

// Appends the whole output of a conversion to the store's output lines:
// "hd" (and "bz"), the written-back figures, the hatch pen and the hatch pieces.
ConversionBuild BuildConversionOutput(EntityStore& store, const HatchSettings& settings,
                                      const SweepOptions& options = {});

}  // namespace rv17
