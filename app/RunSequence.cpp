// The store and file phases of a run.
#include "app/RunSequence.h"

#include "exchange/ExchangeReader.h"
#include "hatch/ConversionRun.h"
#include "ui/SettingsFile.h"

namespace rv17 {

RunSequence::RunSequence(const std::filesystem::path& executablePath)
    : executableFolder_(executablePath.parent_path()),
      exchangeFilePath_(executableFolder_ / "JWC_TEMP.TXT"),
      settingsPath_(SettingsFilePath(executablePath)) {}

void RunSequence::BeginStartUp() { InitialiseStore(store_); }

void RunSequence::ReadSelection() {
    ReadExchangeFile(store_, exchangeFilePath_);
    ResetCurrentAttributes(store_);
}

std::int32_t RunSequence::SolidCount() const noexcept { return rv17::SolidCount(store_); }

OkDecision RunSequence::DecideOk(const HatchSettings& settings) {
    switch (CheckConversion(store_, settings)) {
        case ConversionCheck::Accepted:
            break;
        case ConversionCheck::IntervalOutOfRange:
            return OkDecision::IntervalRefused;
        case ConversionCheck::WidthOutOfRange:
            return OkDecision::WidthRefused;
        case ConversionCheck::NoSolids:
            return OkDecision::NoSolidsRefused;
        case ConversionCheck::SweepTooLarge:
            return OkDecision::SweepTooLarge;
    }
    // When saving fails the host's file stays as it was; the dialog still
    // closes, as after a save.
    if (ConversionRun(store_, settings, exchangeFilePath_) == ConversionOutcome::SweepTooLarge) {
        return OkDecision::SweepTooLarge;
    }
    return OkDecision::Converted;
}

void RunSequence::EndShutDown() { ReleaseStore(store_); }

}  // namespace rv17
