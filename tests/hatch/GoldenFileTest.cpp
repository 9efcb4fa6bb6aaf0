// Whole conversions of small drawings against their complete expected output,
// checked in beside them (each reviewed line by line once): the file's bytes
// as the host reads them, with both sweeps.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "exchange/ExchangeReader.h"
#include "exchange/FileAccess.h"
#include "hatch/ConversionRun.h"
#include "tests/hatch/HatchTestSupport.h"
#include "tests/support/TestFolder.h"

namespace rv17 {

namespace {

struct GoldenCase {
    const char* name;  // tests/data/hatch/<name>.txt and <name>.expected
    HatchSettings settings;
};

std::filesystem::path DataFile(const std::string& name) {
    return std::filesystem::path(RV17_TEST_DATA_DIR) / "hatch" / name;
}

// The lines of a saved file, for a readable difference.
std::vector<std::string> SplitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) end = bytes.size();
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

class GoldenFiles : public testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenFiles, SavedBytesAreTheExpectedOnes) {
    const GoldenCase& c = GetParam();
    const FileContents input = ReadWholeFile(DataFile(std::string(c.name) + ".txt"));
    const FileContents expected = ReadWholeFile(DataFile(std::string(c.name) + ".expected"));
    ASSERT_TRUE(input.complete && expected.complete) << c.name;

    // Lines streamed to the file as they are made, and lines held and saved at the end.
    for (const OutputHolding holding : {OutputHolding::Streamed, OutputHolding::Held}) {
        TestFolder folder;
        const auto path = folder.Write("JWC_TEMP.TXT", input.bytes);
        EntityStore store;
        InitialiseStore(store);
        ASSERT_TRUE(ReadExchangeFile(store, path));
        EXPECT_EQ(ConversionRun(store, c.settings, path, holding).outcome,
                  ConversionOutcome::Saved);
        ReleaseStore(store);
        const std::string saved = ReadWholeFile(path).bytes;
        EXPECT_EQ(SplitLines(saved), SplitLines(expected.bytes)) << c.name;
        EXPECT_EQ(saved, expected.bytes) << c.name;
        EXPECT_EQ(folder.FileCount(), 1u) << c.name;
    }

    // The literal sweep writes the same lines as the indexed one, whose saved
    // bytes are the expected ones. (Lines, not files: a text command and its
    // text are two output lines but one line of the file.)
    EXPECT_EQ(ConvertText(input.bytes, c.settings, SweepMode::Literal),
              ConvertText(input.bytes, c.settings))
        << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Drawings, GoldenFiles,
    testing::Values(GoldenCase{"triangle", HatchSettings{"2", "0", 0, 0, "-1", false, false}},
                    GoldenCase{"polygons", HatchSettings{"1", "45", 3, 2, "35", true, false}},
                    GoldenCase{"circles", HatchSettings{"2", "90", 0, 0, "-1", false, false}},
                    GoldenCase{"rings", HatchSettings{"2", "30", 12, 0, "-1", true, true}},
                    GoldenCase{"writeback", HatchSettings{"4", "0", 0, -1, "-1", false, false}},
                    // A half disc whose end tangents stand near the vertical.
                    GoldenCase{"half_disc", HatchSettings{"1", "0", 0, 0, "-1", false, false}},
                    // Quarter turns between arcs and end tangents as the host writes
                    // them, a little over pi/2: still cut along the tangents.
                    GoldenCase{"host_quarter_turn",
                               HatchSettings{"0.7", "30", 0, 0, "-1", false, false}},
                    // A font name that ends in a double quote keeps its own line.
                    GoldenCase{"font_quote", HatchSettings{"1", "0", 0, 0, "-1", false, false}},
                    // Drawings far from the origin, with their reference point beside them.
                    GoldenCase{"far_1e6", HatchSettings{"1", "30", 0, 0, "-1", false, false}},
                    GoldenCase{"far_1e9", HatchSettings{"1", "45", 0, 0, "-1", false, false}},
                    GoldenCase{"far_1e12", HatchSettings{"0.5", "-17.5", 0, 0, "-1", false, false}},
                    // At 1e9 and 60 degrees the lines across the square once
                    // seemed to miss it, and no piece was written.
                    GoldenCase{"far_steep", HatchSettings{"1", "60", 0, 0, "-1", false, false}}),
    [](const testing::TestParamInfo<GoldenCase>& testCase) {
        return std::string(testCase.param.name);
    });

}  // namespace

}  // namespace rv17
