// rv17-hatch --svg in-process: the picture beside a conversion, a count and a
// refusal, and an unwritable picture after the conversion was saved.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "exchange/FileAccess.h"
#include "tests/support/TestFolder.h"
#include "tests/support/ToolRun.h"
#include "tests/tools/preview/PreviewTestSupport.h"

namespace rv17 {

namespace {

std::string ExampleCopy(const TestFolder& folder) {
    const auto example = ReadWholeFile(std::filesystem::path(RV17_EXAMPLES_DIR) / "JWC_TEMP.TXT");
    return folder.Write("JWC_TEMP.TXT", example.bytes).string();
}

std::size_t HatchSegmentsDrawn(std::string_view svg) {
    std::size_t count = 0;
    for (const std::string_view data : PathData(svg, "<path class=\"hatch\""))
        count += CountOf(data, "M");
    return count;
}

// The number before " hatch segments written" in the tool's summary.
std::size_t ReportedHatchSegments(const std::string& out) {
    const std::size_t end = out.find(" hatch segments written");
    const std::size_t begin = out.rfind(' ', end - 1) + 1;
    return std::stoul(out.substr(begin, end - begin));
}

// The engine counts the segments it writes; the picture finds them again in
// the output. Both must agree, and the picture must draw every one. The
// example is at 1/10: 0.2 on paper is 2 on the drawing.
TEST(ToolPreview, ConversionDrawsBeforeAndAfterWithEverySegment) {
    TestFolder folder;
    const std::string file = ExampleCopy(folder);
    const std::string picture = (folder.Path() / "preview.svg").string();
    const ToolRun run = RunTool({"--interval", "0.2", "--angle", "45", "--svg", picture, file});
    ASSERT_EQ(run.exitCode, kExitOk) << run.output.err;
    EXPECT_NE(run.output.out.find("picture drawn to '" + picture + "'\n"), std::string::npos)
        << run.output.out;

    const std::size_t reported = ReportedHatchSegments(run.output.out);
    EXPECT_GT(reported, 100u);
    const std::string svg = ReadWholeFile(picture).bytes;
    EXPECT_EQ(HatchSegmentsDrawn(svg), reported);
    const std::string facts =
        "JWC_TEMP.TXT \xC2\xB7 15 solids \xC2\xB7 interval 0.2 \xC2\xB7 angle 45\xC2\xB0";
    EXPECT_EQ(CountOf(svg, facts + "</text>"), 1u) << "before";
    EXPECT_EQ(
        CountOf(svg, facts + " \xC2\xB7 " + std::to_string(reported) + " hatch segments</text>"),
        1u)
        << "after";
}

TEST(ToolPreview, CountDrawsTheDrawingBeforeAlone) {
    TestFolder folder;
    const std::string file = ExampleCopy(folder);
    const std::string picture = (folder.Path() / "count.svg").string();
    const ToolRun run = RunTool({"--count", "--svg", picture, file});
    ASSERT_EQ(run.exitCode, kExitOk) << run.output.err;
    EXPECT_EQ(run.output.out.substr(0, 3), "15\n");
    const std::string svg = ReadWholeFile(picture).bytes;
    EXPECT_EQ(CountOf(svg, "id=\"before\""), 1u);
    EXPECT_EQ(CountOf(svg, "id=\"after\""), 0u);
    EXPECT_EQ(CountOf(svg, "not converted</text>"), 1u);
}

struct RefusalCase {
    const char* name;
    std::string_view drawing;
    std::vector<std::string> options;
    int exitCode;
};

class ToolPreviewRefusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(ToolPreviewRefusal, StillDrawsTheDrawingAndWritesNoOutput) {
    const RefusalCase c = GetParam();
    TestFolder folder;
    const std::string file = folder.Write("JWC_TEMP.TXT", c.drawing).string();
    const std::string output = (folder.Path() / "out.txt").string();
    const std::string picture = (folder.Path() / "refused.svg").string();
    std::vector<std::string> arguments = c.options;
    for (const std::string& more :
         {std::string("-o"), output, std::string("--svg"), picture, file}) {
        arguments.push_back(more);
    }
    const ToolRun run = RunTool(arguments);
    EXPECT_EQ(run.exitCode, c.exitCode) << run.output.err;
    EXPECT_FALSE(std::filesystem::exists(output));
    EXPECT_EQ(ReadWholeFile(file).bytes, c.drawing);
    const std::string svg = ReadWholeFile(picture).bytes;
    EXPECT_EQ(CountOf(svg, "not converted</text>"), 1u);
    EXPECT_EQ(CountOf(svg, "id=\"after\""), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Preview, ToolPreviewRefusal,
    testing::Values(
        RefusalCase{"NoSolids", "0 0 10 0\r\n", {}, kExitNoSolids},
        RefusalCase{"IntervalOutOfRange", "sl 0 0 10 0 5 8\r\n", {"--interval", "0"}, kExitUsage},
        RefusalCase{"SweepTooLarge", "sl 0 0 10 0 5 1E9\r\n", {"--interval", "0.01"}, kExitUsage}),
    [](const testing::TestParamInfo<RefusalCase>& testCase) {
        return std::string(testCase.param.name);
    });

TEST(ToolPreview, UnwritablePictureFailsAfterTheConversionWasSaved) {
    TestFolder folder;
    const std::string file = ExampleCopy(folder);
    const std::string output = (folder.Path() / "out.txt").string();
    const std::string picture = (folder.Path() / "missing" / "p.svg").string();
    const ToolRun run = RunTool({"-o", output, "--svg", picture, file});
    EXPECT_EQ(run.exitCode, kExitFileError);
    EXPECT_EQ(ReadWholeFile(output).bytes.substr(0, 4), "hd\r\n");
    const std::string reason = std::make_error_code(std::errc::no_such_file_or_directory).message();
    EXPECT_EQ(run.output.err, "rv17-hatch: cannot write the picture '" + picture + "': " + reason +
                                  " (the conversion itself was saved)\n");
}

}  // namespace

}  // namespace rv17
