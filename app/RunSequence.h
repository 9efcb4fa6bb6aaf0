// One use of the program from start to end: the drawing read from the
// exchange file, the files beside the executable, and the phases that the
// main dialog's events run (start-up, the conversion on OK, shut-down).
#pragma once

#include <cstdint>
#include <filesystem>
#include <system_error>

#include "exchange/EntityStore.h"
#include "ui/RunPhases.h"

namespace rv17 {

class RunSequence final : public RunPhases {
public:
    // executablePath is the program's own full path; the exchange and
    // settings files are found beside it.
    explicit RunSequence(const std::filesystem::path& executablePath);
    RunSequence(const RunSequence&) = delete;
    RunSequence& operator=(const RunSequence&) = delete;

    void BeginStartUp() override;
    // A missing exchange file leaves the drawing empty; one that could not be
    // read whole makes every conversion refuse. Temporary files that killed
    // runs left beside the exchange file are removed first.
    void ReadSelection() override;
    std::int32_t SolidCount() const override;
    const std::filesystem::path& SettingsPath() const override { return settingsPath_; }
    const std::filesystem::path& PreviewStatePath() const override { return previewStatePath_; }
    const EntityStore& Drawing() const override { return store_; }
    const std::filesystem::path& ExchangeFilePath() const override { return exchangeFilePath_; }
    // A refusal (a read that failed among them) leaves the exchange file
    // alone; a failed save leaves it as it was.
    ConversionResult Convert(const HatchSettings& settings) override;
    void EndShutDown() override;

private:
    std::filesystem::path exchangeFilePath_;
    std::filesystem::path settingsPath_;
    std::filesystem::path previewStatePath_;
    EntityStore store_;
    std::error_code readError_;
};

}  // namespace rv17
