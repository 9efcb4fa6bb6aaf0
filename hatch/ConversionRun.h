// The conversion that OK starts: checks, write-back, sweep and save.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "exchange/EntityStore.h"
#include "hatch/HatchSettings.h"

namespace rv17 {

// The checks OK makes before converting, in the order they are made.
enum class ConversionCheck {
    Accepted,
    IntervalOutOfRange,  // interval text below 0.01, above 100 or not a number
    WidthOutOfRange,     // width text below -1 or above 30000
    NoSolids,            // no hatchable solid in the store
    SweepTooLarge,       // the sweep would visit more than kMaxHatchLines lines
};

// A sweep beyond this many hatch lines would keep the program busy for hours.
inline constexpr std::int64_t kMaxHatchLines = 100'000'000;

ConversionCheck CheckConversion(const EntityStore& store, const HatchSettings& settings);

enum class ConversionOutcome {
    Saved,          // the output replaced the file at the save path
    SaveFailed,     // writing failed; the file at the save path is unchanged
    SweepTooLarge,  // refused before anything was written
};

// Builds the output (header, write-back, hatch pen, sweep) in the store's
// output lines and saves it to savePath. The store's writer state must have
// been reset after reading.
ConversionOutcome ConversionRun(EntityStore& store, const HatchSettings& settings,
                                const std::filesystem::path& savePath);

// What a conversion wrote, for reports to the user.
struct ConversionCounts {
    std::int32_t solids = 0;        // hatchable solids replaced by hatch lines
    std::size_t hatchSegments = 0;  // hatch pieces written
};

// As above, also counting what was written.
ConversionOutcome ConversionRun(EntityStore& store, const HatchSettings& settings,
                                const std::filesystem::path& savePath, ConversionCounts& counts);

}  // namespace rv17
