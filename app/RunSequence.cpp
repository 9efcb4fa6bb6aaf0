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

// A missing file is an empty selection; any other failure leaves a drawing
// that may be only part of the selection, which OK must never write back.
void RunSequence::ReadSelection() {
    RemoveStaleTemporaries(exchangeFilePath_);
    std::error_code error;
    if (!ReadExchangeFile(store_, exchangeFilePath_, error) &&
        error != std::errc::no_such_file_or_directory) {
        readError_ = error;
    }
}

std::int32_t RunSequence::SolidCount() const { return rv17::SolidCount(store_); }

ConversionResult RunSequence::Convert(const HatchSettings& settings) {
    if (readError_) {
        ConversionResult refused;
        refused.outcome = ConversionOutcome::ReadFailed;
        refused.readError = readError_;
        return refused;
    }
    return ConversionRun(store_, settings, exchangeFilePath_);
}

void RunSequence::EndShutDown() { ReleaseStore(store_); }

}  // namespace rv17
