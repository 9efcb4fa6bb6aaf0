// The store and file phases of a run.
#include "app/RunSequence.h"

#include "exchange/ExchangeReader.h"
#include "exchange/FileAccess.h"
#include "hatch/ConversionRun.h"
#include "ui/PreviewStateFile.h"
#include "ui/SettingsFile.h"

namespace rv17 {

RunSequence::RunSequence(const std::filesystem::path& executablePath)
    : exchangeFilePath_(executablePath.parent_path() / "JWC_TEMP.TXT"),
      settingsPath_(SettingsFilePath(executablePath)),
      previewStatePath_(rv17::PreviewStatePath(executablePath)) {}

void RunSequence::BeginStartUp() { InitialiseStore(store_); }

// Temporary files that killed runs left beside the exchange file go first.
void RunSequence::ReadSelection() {
    RemoveStaleTemporaries(exchangeFilePath_);
    ReadExchangeFile(store_, exchangeFilePath_);
    ResetCurrentAttributes(store_);
}

std::int32_t RunSequence::SolidCount() const { return rv17::SolidCount(store_); }

ConversionResult RunSequence::Convert(const HatchSettings& settings) {
    return ConversionRun(store_, settings, exchangeFilePath_);
}

void RunSequence::EndShutDown() { ReleaseStore(store_); }

}  // namespace rv17
