// What a conversion did: how it ended, what the sweep wrote, and why the read
// or the save failed when one did.
#pragma once

#include <cstddef>
#include <cstdint>
#include <system_error>

#include "exchange/OutputLines.h"

namespace rv17 {

enum class ConversionOutcome {
    Accepted,         // every check passed (and the output was built, but not saved)
    Saved,            // the output replaced the file at the save path
    SaveFailed,       // writing failed (saveError tells why); the file is unchanged
    IntervalRefused,  // interval text below 0.01, above 100 or not a number
    WidthRefused,     // width text below -1 or above 30000
    NoSolidsRefused,  // no hatchable solid in the store
    SweepTooLarge,    // the sweep would visit more than kMaxHatchLines lines
    ReadFailed,       // the exchange file was not read whole (readError tells why)
    OutOfMemory,      // memory ran out while the output was made; nothing was saved
    ExtentRefused,    // the solids reach too far (or not finitely) for any interval
    ReferenceTooFar,  // the reference point lies too far away to align the lines to it
};

// A refusal comes before anything is written: the output lines stay empty and
// the counts zero.
struct ConversionResult {
    ConversionOutcome outcome = ConversionOutcome::Accepted;
    std::int32_t solids = 0;         // hatchable solids replaced by hatch lines
    std::size_t hatchSegments = 0;   // hatch pieces the sweep wrote
    std::size_t firstSweepLine = 0;  // the number of the first output line the sweep wrote
    bool complete = true;            // false when the sweep was stopped before its end
    std::error_code saveError;
    std::error_code readError;
    OutputLines heldLines;  // the lines saved, when they were held (OutputHolding::Held)
};

}  // namespace rv17
