// Whole preview pictures: hatch segment counts, colours, escaped texts, bad
// values left out, the before panel alone, and writing the file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/support/TestFolder.h"
#include "tests/tools/preview/SampleDrawing.h"
#include "tools/preview/ToolPreview.h"

namespace rv17 {

namespace {

std::size_t HatchSegmentsDrawn(std::string_view svg) {
    std::size_t count = 0;
    for (const std::string_view data : PathData(svg, "<path class=\"hatch\""))
        count += CountOf(data, "M");
    return count;
}

class HatchSegmentCount : public testing::TestWithParam<std::size_t> {};

// The figures written back come first in the output, and some of them read
// back as line records too; only the segments after them are hatch.
TEST_P(HatchSegmentCount, AfterPanelHoldsEveryHatchSegmentOfTheOutput) {
    const std::size_t segments = GetParam();
    auto drawing = SampleDrawing();
    const ConvertedOutput hatch = ConvertWith(*drawing, SampleHatch(segments));
    const std::string svg = Picture(*drawing, &hatch.lines, hatch.firstHatchLine);

    EXPECT_EQ(HatchSegmentsDrawn(svg), segments);
    const std::string caption =
        segments == 1 ? "1 hatch segment<" : std::to_string(segments) + " hatch segments<";
    EXPECT_EQ(CountOf(svg, caption), 1u) << caption;
    EXPECT_EQ(CountOf(Section(svg, "<g id=\"before\"", "<g id=\"after\""), "class=\"hatch\""), 0u);
    ReleaseStore(*drawing);
}

INSTANTIATE_TEST_SUITE_P(Preview, HatchSegmentCount, testing::Values(0, 1, 7, 120'001));

TEST(SvgPreview, LongHatchRunsAreSplitIntoPathsOfBoundedLength) {
    auto drawing = SampleDrawing();
    const ConvertedOutput hatch = ConvertWith(*drawing, SampleHatch(120'001));
    const std::string svg = Picture(*drawing, &hatch.lines, hatch.firstHatchLine);
    const auto paths = PathData(svg, "<path class=\"hatch\"");
    EXPECT_EQ(paths.size(), 4u);  // two colours of 60,001 and 60,000 segments
    for (const std::string_view data : paths) EXPECT_LE(CountOf(data, "M"), 50'000u);
    ReleaseStore(*drawing);
}

TEST(SvgPreview, SolidsTakeThePaletteOrTheirRgbValue) {
    auto drawing = SampleDrawing();
    const ConvertedOutput hatch = ConvertWith(*drawing, SampleHatch(10));
    const std::string svg = Picture(*drawing, &hatch.lines, hatch.firstHatchLine);
    const std::string_view before = Section(svg, "<g id=\"before\"", "<g id=\"after\"");
    const std::string_view after = Section(svg, "<g id=\"after\"", "</svg>");

    EXPECT_EQ(CountOf(before, "<path fill=\"#0080ff\" d=\"M0 -60L30 -60L30 -90L0 -90Z\"/>"), 1u)
        << "colour 10 with the RGB value 16744448";
    EXPECT_EQ(CountOf(before, "<path fill=\"#008a00\" d=\"M40 -60L70 -60L55 -90Z\"/>"), 1u)
        << "colour 3";
    EXPECT_EQ(CountOf(before, "<path fill=\"#ff0000\""), 4u) << "colour 10 with the RGB value 255";
    EXPECT_EQ(CountOf(before, "<path fill=\"#ffff00\" fill-rule=\"evenodd\""), 2u)
        << "SXF yellow rings";

    // After: the hatched solids only as outlines; the se solid, written back, still filled.
    const std::string_view afterFills = Section(after, "<g stroke=\"none\">", "</g>");
    EXPECT_EQ(CountOf(afterFills, "<path fill="), 1u);
    EXPECT_EQ(CountOf(afterFills, "<path fill=\"#ffff00\""), 1u);
    const std::string_view outlines = Section(after, "stroke-dasharray", "</g>");
    EXPECT_EQ(CountOf(outlines, "<path stroke=\"#0080ff\" d=\"M0 -60L30 -60L30 -90L0 -90Z\"/>"),
              1u);
    EXPECT_EQ(CountOf(outlines, "<path stroke=\"#008a00\""), 1u);
    EXPECT_EQ(CountOf(after, "<path class=\"hatch\" stroke=\"#000000\""), 1u) << "hatch colour 2";
    EXPECT_EQ(CountOf(after, "<path class=\"hatch\" stroke=\"#0000e0\""), 1u) << "hatch colour 6";
    ReleaseStore(*drawing);
}

TEST(SvgPreview, TextsAreConvertedToUtf8AndEscaped) {
    auto drawing = SampleDrawing();
    const ConvertedOutput hatch = ConvertWith(*drawing, {});
    const std::string svg = Picture(*drawing, &hatch.lines, hatch.firstHatchLine, "S<&>.TXT");
    const std::string_view before = Section(svg, "<g id=\"before\"", "<g id=\"after\"");
    const std::string_view after = Section(svg, "<g id=\"after\"", "</svg>");

    // a<b & c > "d" 'あ漢字'
    const std::string_view text =
        ">a&lt;b &amp; c &gt; &quot;d&quot; "
        "&apos;\xE3\x81\x82\xE6\xBC\xA2\xE5\xAD\x97&apos;</text>";
    EXPECT_EQ(CountOf(before, text), 1u);
    EXPECT_EQ(CountOf(after, text), 1u);
    EXPECT_EQ(CountOf(before, ">\xEF\xBF\xBD lone lead byte</text>"), 1u)
        << "invalid Shift-JIS becomes U+FFFD";
    EXPECT_EQ(CountOf(before, ">\xE6\x8F\x9B\xE6\xB0\x97\xE5\x8F\xA3</text>"), 1u) << "block name";
    EXPECT_EQ(CountOf(after, ">\xE6\x8F\x9B\xE6\xB0\x97\xE5\x8F\xA3</text>"), 0u)
        << "blocks are not written back";
    // A text of four numbers read back stays a text; it is no hatch segment.
    EXPECT_EQ(CountOf(after, ">1 2 3 4</text>"), 1u);
    EXPECT_EQ(CountOf(svg, "S&lt;&amp;&gt;.TXT"), 2u);
    EXPECT_EQ(svg.find("S<&"), std::string::npos);
    ReleaseStore(*drawing);
}

TEST(SvgPreview, FiguresWithoutDrawableCoordinatesAreLeftOut) {
    auto drawing = SampleDrawing();
    const ConvertedOutput hatch = ConvertWith(*drawing, SampleHatch(4));
    std::string svg = Picture(*drawing, &hatch.lines, hatch.firstHatchLine);
    std::transform(svg.begin(), svg.end(), svg.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    EXPECT_EQ(svg.find("nan"), std::string::npos);
    EXPECT_EQ(svg.find("inf"), std::string::npos);
    // The text at y = NaN is left out; the output writes it with "NAN", which reads back as 0.
    EXPECT_EQ(CountOf(Section(svg, "<g id=\"before\"", "<g id=\"after\""), ">lost<"), 0u);
    // The far line (to x = 1e300) must not stretch the picture: the sample is about 200 units wide.
    const std::size_t viewBox = svg.find("viewbox=\"");
    std::istringstream numbers(svg.substr(viewBox + 9, 80));
    double left = 0, top = 0, width = 0, height = 0;
    numbers >> left >> top >> width >> height;
    EXPECT_GT(width, 400.0);
    EXPECT_LT(width, 600.0);
    EXPECT_LT(height, 400.0);
    ReleaseStore(*drawing);
}

// Figures at the edge of the drawable range are drawn, and the view box around them is written in
// full.
TEST(SvgPreview, FiguresAtTheEdgeOfTheDrawableRangeAreDrawn) {
    auto drawing = DrawingFromText("-1E9 0 1E9 0\n");
    const std::string svg = Picture(*drawing, nullptr, 0);
    EXPECT_EQ(CountOf(svg, "d=\"M-1000000000 0L1000000000 0\""), 1u);
    const std::size_t viewBox = svg.find("viewBox=\"");
    std::istringstream numbers(svg.substr(viewBox + 9, 80));
    double left = 0, top = 0, width = 0, height = 0;
    numbers >> left >> top >> width >> height;
    EXPECT_LT(left, -1e9);
    EXPECT_GT(width, 2e9);
    ReleaseStore(*drawing);
}

TEST(SvgPreview, DrawingUnitsWithYPointingUp) {
    auto drawing = DrawingFromText("0 0 10 20\nsl 0 0 10 0 0 10\n");
    const ConvertedOutput hatch = ConvertWith(*drawing, {{1, 1, 1, 3, 1}});
    const std::string svg = Picture(*drawing, &hatch.lines, hatch.firstHatchLine);
    EXPECT_EQ(CountOf(svg, "d=\"M0 0L10 -20\""), 2u);       // before and after
    EXPECT_EQ(CountOf(svg, "d=\"M0 0L10 0L0 -10Z\""), 2u);  // filled before, outlined after
    EXPECT_EQ(CountOf(svg, "d=\"M1 -1 3 -1\""), 1u);        // the hatch segment
    ReleaseStore(*drawing);
}

TEST(SvgPreview, ArcAndTangentsOverAQuarterTurnAreDrawnAsTheSector) {
    const auto picture = [](const char* record) {
        auto drawing = DrawingFromText(record);
        const std::string svg = Picture(*drawing, nullptr, 0);
        ReleaseStore(*drawing);
        return svg;
    };
    EXPECT_EQ(picture("sc 110 50 15 0.374 -2.639 -4.7 3.141593 -1\n"),
              picture("sc 110 50 15 0.374 -2.639 -4.7 3.141593 0\n"));
    EXPECT_NE(picture("sc 110 50 15 0.374 -2.639 -4.7 1.5707963267949 -1\n"),
              picture("sc 110 50 15 0.374 -2.639 -4.7 1.5707963267949 0\n"));
}

TEST(SvgPreview, WithoutConversionOnlyTheBeforePanelIsDrawn) {
    auto drawing = std::make_unique<EntityStore>();
    InitialiseStore(*drawing);
    ASSERT_TRUE(
        ReadExchangeFile(*drawing, std::filesystem::path(RV17_EXAMPLES_DIR) / "JWC_TEMP.TXT"));
    const std::string svg = Picture(*drawing, nullptr, 0, "JWC_TEMP.TXT");
    EXPECT_EQ(svg.find("id=\"after\""), std::string::npos);
    EXPECT_EQ(CountOf(svg,
                      "JWC_TEMP.TXT \xC2\xB7 15 solids \xC2\xB7 interval 1 \xC2\xB7 angle "
                      "0\xC2\xB0 \xC2\xB7 not converted<"),
              1u);
    EXPECT_EQ(CountOf(Section(svg, "<g stroke=\"none\">", "</g>"), "<path fill="),
              16u);  // 15 solids, 1 se solid
    ReleaseStore(*drawing);
}

TEST(SvgPreview, ExampleAfterPanelOutlinesEveryHatchedSolid) {
    auto drawing = std::make_unique<EntityStore>();
    InitialiseStore(*drawing);
    ASSERT_TRUE(
        ReadExchangeFile(*drawing, std::filesystem::path(RV17_EXAMPLES_DIR) / "JWC_TEMP.TXT"));
    const ConvertedOutput hatch = ConvertWith(*drawing, {});
    const std::string svg = Picture(*drawing, &hatch.lines, hatch.firstHatchLine, "JWC_TEMP.TXT");
    const std::string_view outlines =
        Section(Section(svg, "<g id=\"after\"", "</svg>"), "stroke-dasharray", "</g>");
    // 15 solids; the two whole rings have two loops each.
    EXPECT_EQ(CountOf(outlines, "Z"), 17u);
    EXPECT_EQ(CountOf(svg, " \xC2\xB7 0 hatch segments<"), 1u);
    ReleaseStore(*drawing);
}

std::string FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(WritePreviewSvg, WritesThePicture) {
    TestFolder folder;
    auto drawing = SampleDrawing();
    const ConvertedOutput hatch = ConvertWith(*drawing, SampleHatch(3));
    const PreviewInput input{*drawing, &hatch.lines, hatch.firstHatchLine, "T.TXT", "1", "0"};
    ASSERT_EQ(WritePreviewSvg(folder.Path() / "p.svg", input), std::error_code());
    EXPECT_EQ(FileBytes(folder.Path() / "p.svg"),
              Picture(*drawing, &hatch.lines, hatch.firstHatchLine));
    EXPECT_EQ(folder.FileCount(), 1u);
    ReleaseStore(*drawing);
}

TEST(WritePreviewSvg, ReportsWhyAPathCannotBeWritten) {
    TestFolder folder;
    auto drawing = SampleDrawing();
    const PreviewInput input{*drawing, nullptr, 0, "T.TXT", "1", "0"};
    EXPECT_EQ(WritePreviewSvg(folder.Path() / "missing" / "p.svg", input),
              std::errc::no_such_file_or_directory);

    std::filesystem::create_directory(folder.Path() / "folder.svg");
    EXPECT_EQ(WritePreviewSvg(folder.Path() / "folder.svg", input), std::errc::is_a_directory);
    EXPECT_EQ(folder.FileCount(), 1u);
    ReleaseStore(*drawing);
}

// The message rv17-hatch prints names the picture as given, the reason, and what became of the
// conversion.
TEST(WriteToolPreview, ReportsPathReasonAndConversion) {
    TestFolder folder;
    auto drawing = SampleDrawing();
    const PreviewInput input{*drawing, nullptr, 0, "T.TXT", "1", "0"};
    EXPECT_EQ(
        WriteToolPreview(folder.Path() / "ok.svg", "ok.svg", input, ToolConversion::NotConverted),
        "");
    const std::string message = std::error_code(ENOENT, std::generic_category()).message();
    EXPECT_EQ(
        WriteToolPreview(folder.Path() / "no" / "p.svg", "no/p.svg", input, ToolConversion::Saved),
        "cannot write the picture 'no/p.svg': " + message + " (the conversion itself was saved)");
    EXPECT_EQ(WriteToolPreview(folder.Path() / "no" / "p.svg", "no/p.svg", input,
                               ToolConversion::NotConverted),
              "cannot write the picture 'no/p.svg': " + message + " (nothing was converted)");
    ReleaseStore(*drawing);
}

}  // namespace

}  // namespace rv17
