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

// Where the output lines of a run are while it is made; the saved bytes are
// the same either way.
enum class OutputHolding {
    // Written to the new file as they are made, never held whole in memory.
    Streamed,
    // Held in the result's heldLines (for a picture of the result) and saved
    // at the end.
    Held,
};

// Makes the checks, then builds the output (header, write-back, hatch pen,
// sweep) of the drawing as read and saves it to savePath. The outcome is a
// refusal, Saved, SaveFailed or OutOfMemory; the file at savePath changes
// only with Saved.
ConversionResult ConversionRun(const EntityStore& store, const HatchSettings& settings,
                               const std::filesystem::path& savePath,
                               OutputHolding holding = OutputHolding::Streamed);

}  // namespace rv17
