// The bytes the hatch engine saves for a host file and the dialog's values when
// run directly, as OK runs it: what the dialog and rv17-hatch must write.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "exchange/ExchangeReader.h"
#include "exchange/FileAccess.h"
#include "hatch/ConversionRun.h"
#include "tests/support/TestFolder.h"

namespace rv17 {

inline std::string DirectConversion(std::string_view hostFile, const HatchSettings& settings) {
    TestFolder folder;
    const auto path = folder.Write("JWC_TEMP.TXT", hostFile);
    EntityStore store;
    InitialiseStore(store);
    EXPECT_TRUE(ReadExchangeFile(store, path));
    EXPECT_EQ(ConversionRun(store, settings, path).outcome, ConversionOutcome::Saved);
    ReleaseStore(store);
    return ReadWholeFile(path).bytes;
}

}  // namespace rv17
