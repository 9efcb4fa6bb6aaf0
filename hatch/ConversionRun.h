// The conversion that OK starts: checks, write-back, sweep and save.
#pragma once

#include <filesystem>

#include "exchange/EntityStore.h"
#include "hatch/ConversionResult.h"
#include "hatch/HatchSettings.h"

namespace rv17 {

// The checks OK makes before converting, in the order they are made: the
// first refusal met, or Accepted.
ConversionOutcome CheckConversion(const EntityStore& store, const HatchSettings& settings);

// Makes the checks, then builds the output (header, write-back, hatch pen,
// sweep) in the store's output lines and saves it to savePath. The store's
// writer state must have been reset after reading. The outcome is a refusal,
// Saved or SaveFailed.
ConversionResult ConversionRun(EntityStore& store, const HatchSettings& settings,
                               const std::filesystem::path& savePath);

}  // namespace rv17
