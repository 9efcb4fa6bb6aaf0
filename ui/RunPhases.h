// The phases of a run that the main dialog's events start: start-up, the
// conversion on OK and shut-down. The program's run sequence does the work;
// the dialog knows it only through this interface.
#pragma once

#include <cstdint>
#include <filesystem>

#include "exchange/EntityStore.h"
#include "hatch/ConversionResult.h"
#include "hatch/HatchSettings.h"

namespace rv17 {

class RunPhases {
public:
    virtual ~RunPhases() = default;

    // Start-up, first step: an empty drawing.
    virtual void BeginStartUp() = 0;
    // Start-up, once the fixed lists are filled: the host's selection.
    virtual void ReadSelection() = 0;
    // The number of solids a conversion would hatch.
    virtual std::int32_t SolidCount() const = 0;
    // Where the dialog's settings are kept between runs.
    virtual const std::filesystem::path& SettingsPath() const = 0;
    // Where the preview pane's open or closed state is kept between runs.
    virtual const std::filesystem::path& PreviewStatePath() const = 0;
    // The selection as read, for the preview pane to copy; valid from
    // ReadSelection until a conversion or the shut-down changes it.
    virtual const EntityStore& Drawing() const = 0;
    // The host's exchange file, which a conversion rewrites.
    virtual const std::filesystem::path& ExchangeFilePath() const = 0;
    // OK: the checks in their order, and when all pass, the conversion, which
    // rewrites the exchange file.
    virtual ConversionResult Convert(const HatchSettings& settings) = 0;
    // Shut-down, last step, after the settings are saved.
    virtual void EndShutDown() = 0;

protected:
    RunPhases() = default;
    RunPhases(const RunPhases&) = default;
    RunPhases& operator=(const RunPhases&) = default;
};

}  // namespace rv17
