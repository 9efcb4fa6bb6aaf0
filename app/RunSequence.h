// One use of the program from start to end: the drawing read from the
// exchange file, the files beside the executable, and the phases that the
// main dialog's events run (start-up, the OK decision, shut-down).
#pragma once

#include <cstdint>
#include <filesystem>

#include "exchange/EntityStore.h"
#include "hatch/HatchSettings.h"

namespace rv17 {

// What became of pressing OK. Every refusal leaves the exchange file alone
// and the dialog open.
enum class OkDecision {
    Converted,        // the conversion ran; the dialog closes (even if saving failed)
    IntervalRefused,  // the interval is outside 0.01 to 100 or not a number
    WidthRefused,     // the width is outside -1 to 30000
    NoSolidsRefused,  // nothing to hatch
    SweepTooLarge,    // so many hatch lines that the program would not finish
};

class RunSequence {
public:
    // executablePath is the program's own full path; the exchange and
    // settings files are found beside it.
    explicit RunSequence(const std::filesystem::path& executablePath);
    RunSequence(const RunSequence&) = delete;
    RunSequence& operator=(const RunSequence&) = delete;

    const std::filesystem::path& ExecutableFolder() const noexcept { return executableFolder_; }
    const std::filesystem::path& ExchangeFilePath() const noexcept { return exchangeFilePath_; }
    const std::filesystem::path& SettingsPath() const noexcept { return settingsPath_; }
    const EntityStore& Store() const noexcept { return store_; }

    // Start-up, first step: an empty store.
    void BeginStartUp();
    // Start-up, once the fixed lists are filled: the host's selection from the
    // exchange file (a missing file leaves the drawing empty), then the
    // writer's change tracking back to its start.
    void ReadSelection();
    // The number of solids a conversion would hatch.
    std::int32_t SolidCount() const noexcept;

    // OK: the checks in their order, and when all pass, the conversion, which
    // rewrites the exchange file.
    OkDecision DecideOk(const HatchSettings& settings);

    // Shut-down, last step, after the settings are saved.
    void EndShutDown();

private:
    std::filesystem::path executableFolder_;
    std::filesystem::path exchangeFilePath_;
    std::filesystem::path settingsPath_;
    EntityStore store_;
};

}  // namespace rv17
