// Reading whole exchange files: line ends, the end-of-file mark, long lines,
// missing files, and the host-style drawings of the examples and test data.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/exchange/ReaderTestSupport.h"
#include "tests/support/InjectedReadFailure.h"
#include "tests/support/TestFolder.h"

namespace rv17 {

namespace {

const std::filesystem::path kTestData = std::filesystem::path(RV17_TEST_DATA_DIR) / "exchange";
const std::filesystem::path kExample = std::filesystem::path(RV17_EXAMPLES_DIR) / "JWC_TEMP.TXT";

std::unique_ptr<EntityStore> StoreFromFile(const std::filesystem::path& path,
                                           bool expectRead = true) {
    auto store = NewStore();
    EXPECT_EQ(ReadExchangeFile(*store, path), expectRead) << path;
    return store;
}

std::unique_ptr<EntityStore> StoreFromBytes(const std::string& bytes) {
    TestFolder folder;
    return StoreFromFile(folder.Write("JWC_TEMP.TXT", bytes));
}

TEST(ExchangeFile, MissingFileLeavesTheStoreAsInitialised) {
    TestFolder folder;
    auto store = NewStore();
    std::error_code error;
    EXPECT_FALSE(ReadExchangeFile(*store, folder.Path() / "JWC_TEMP.TXT", error));
    EXPECT_EQ(error, std::errc::no_such_file_or_directory);
    EXPECT_FALSE(ReadExchangeFile(*store, folder.Path(), error));  // a folder is no file
    EXPECT_TRUE(error);
    EXPECT_EQ(store->EntityOrder.Count(), 0u);
    EXPECT_EQ(store->sheetWidth, 1189.0);
}

// A disk that fails after the first read buffer: the reader says so and why,
// whatever it kept of the lines before.
TEST(ExchangeFile, AReadThatFailsPartwayIsReportedWithItsReason) {
    std::string bytes;
    while (bytes.size() < 600000) bytes += "sl 0 0 10 0 5 8\r\n";
    TestFolder folder;
    const auto path = folder.Write("JWC_TEMP.TXT", bytes);
    for (const std::errc reason : {std::errc::io_error, std::errc::not_enough_memory}) {
        const InjectedReadFailure failure(300000, reason);
        auto store = NewStore();
        std::error_code error;
        EXPECT_FALSE(ReadExchangeFile(*store, path, error));
        EXPECT_EQ(error, reason);
        EXPECT_LT(SolidCount(*store), static_cast<std::int32_t>(bytes.size() / 17));
    }
    EXPECT_TRUE(ReadExchangeFile(*NewStore(), path)) << "the failure is met once";
}

TEST(ExchangeFile, EmptyFileAndFileOfOnlyTheEndMarkGiveAnEmptyDrawing) {
    for (const std::string& bytes : {std::string(), std::string("\x1A"),
                                     std::string("\x1A"
                                                 "ci 0 0 1\r\n")}) {
        const auto store = StoreFromBytes(bytes);
        EXPECT_EQ(store->EntityOrder.Count(), 0u);
        EXPECT_EQ(SolidCount(*store), 0);
    }
}

TEST(ExchangeFile, LineEndsAndTheEndMark) {
    struct Case {
        const char* what;
        std::string bytes;
        std::size_t circles;
        double lastRadius;
    } cases[] = {
        {"CR LF", "ci 0 0 1\r\nci 0 0 2\r\n", 2, 2},
        {"LF only", "ci 0 0 1\nci 0 0 2\n", 2, 2},
        {"no final line end", "ci 0 0 1\r\nci 0 0 2", 2, 2},
        {"CR without LF at the end", "ci 0 0 1\r\nci 0 0 2\r", 2, 2},
        {"CR inside a line is dropped", "ci 0 0\r 1\n", 1, 1},
        {"end mark inside a line",
         "ci 0 0 1\r\nci 0 0 2\x1A"
         "5\r\nci 0 0 3\r\n",
         2, 2},
        {"end mark after a line end",
         "ci 0 0 1\n\x1A"
         "ci 0 0 2\n",
         1, 1},
        {"NUL bytes dropped", Bytes("ci 0 0\0 1\0\r\n\0\r\n"), 1, 1},
        {"lead byte before CR LF is dropped", "ci 0 0 1\x82\r\n", 1, 1},
        {"blank lines", "\r\n\r\n   \r\nci 0 0 4\r\n\r\n", 1, 4},
    };
    for (const Case& c : cases) {
        const auto store = StoreFromBytes(c.bytes);
        ASSERT_EQ(store->circles.Count(), c.circles) << c.what;
        EXPECT_EQ(store->circles[c.circles - 1].radius, c.lastRadius) << c.what;
        EXPECT_EQ(store->EntityOrder.Count(), c.circles) << c.what;
    }
}

TEST(ExchangeFile, LinesLongerThanTheReadBufferAndLinesAcrossItsEdges) {
    std::string bytes;
    for (int i = 0; i < 30000; ++i) bytes += "sl  0  0  5  0  0  " + std::to_string(i + 1) + "\r\n";
    const std::string longText(3'000'000, 'x');
    bytes += "ch 0 0 1 0 \"" + longText + "\r\n";
    bytes += "ci 0 0 7";
    const auto store = StoreFromBytes(bytes);
    ASSERT_EQ(store->triangleSolids.Count(), 30000u);
    for (std::size_t i = 0; i < 30000; ++i) {
        ASSERT_EQ(store->triangleSolids[i].y3, static_cast<double>(i + 1)) << i;
    }
    EXPECT_EQ(store->texts[0].text.View(), longText.substr(0, 255));
    ASSERT_EQ(store->circles.Count(), 1u);
    EXPECT_EQ(store->circles[0].radius, 7.0);
}

TEST(ExchangeFile, TextOfTheFileAndOfMemoryReadAlike) {
    const std::string bytes =
        "lc10 255\r\nsl 0 0 5 0 0 5\nci 1 2 3\x1A"
        "ci 4 5 6\r\n";
    const auto fromFile = StoreFromBytes(bytes);
    auto fromText = NewStore();
    ParseExchangeText(*fromText, bytes);
    EXPECT_EQ(fromText->EntityOrder.Count(), 2u);
    EXPECT_EQ(fromFile->EntityOrder.Count(), 2u);
    EXPECT_EQ(fromText->triangleSolids[0].rgbColour, 255);
}

TEST(ExchangeFile, ExampleDrawingHoldsEveryKind) {
    const auto store = StoreFromFile(kExample);
    EXPECT_EQ(SolidCount(*store), 15);
    for (int kind = 1; kind <= 15; ++kind) {
        EXPECT_GT(EntityCount(*store, static_cast<EntityKind>(kind)), 0u) << "kind " << kind;
    }
    EXPECT_EQ(store->fileName,
              "C:\\jww\\\x90\x7D\x96\xCA\\\x95\xBD\x96\xCA\x8F\xDA\x8D\xD7 A-101.jww");
    EXPECT_EQ(store->groupScale[15], 10.0);
    EXPECT_EQ(store->TextSizeTable[10].charWidth, 10.0);
    EXPECT_EQ(store->TextSizeTable[9].colour, 5);
    EXPECT_EQ(store->initial.initialFontName, "\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E");
    EXPECT_TRUE(store->indicatedPoints[2].defined);
    EXPECT_EQ(store->indicatedPoints[2].mark, 3);
    EXPECT_EQ(store->dimensions[0].text.text.View(), "2,000");
    EXPECT_EQ(store->blocks[0].name, "\x8A\xB7\x8B\x43\x8C\xFB");
}

TEST(ExchangeFile, SolidReductionsDrawing) {
    const auto store = StoreFromFile(kTestData / "sl_reductions.txt");
    EXPECT_EQ(store->solidSegments.Count(), 7u);
    EXPECT_EQ(store->triangleSolids.Count(), 9u);
    EXPECT_EQ(store->quadSolids.Count(), 2u);
    EXPECT_EQ(SolidCount(*store), 11);
    EXPECT_EQ(store->sheetHeight, 420.0);
    EXPECT_EQ(store->TextSizeTable[2].charSpacing, 0.1);
}

TEST(ExchangeFile, PolylineAndDimensionDrawing) {
    const auto store = StoreFromFile(kTestData / "polyline_dimension.txt");
    ASSERT_EQ(store->lines.Count(), 6u);
    const int polylineNo[] = {1, 1, 1, 0, 2, 0};
    for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(store->lines[i].polylineNo, polylineNo[i]) << i;
    ASSERT_EQ(store->dimensions.Count(), 1u);
    EXPECT_EQ(store->dimensions[0].line.x2, 100.0);
    ASSERT_EQ(store->texts.Count(), 2u);
    EXPECT_EQ(store->texts[1].header.colour, 3);
    EXPECT_EQ(store->texts[1].text.View(), "\x8E\xA9\x97\x52 \x83\x54\x83\x43\x83\x59");
    EXPECT_EQ(store->initial.initialFontName, "\x82\x6C\x82\x72 \x96\xBE\x92\xA9");
}

}  // namespace

}  // namespace rv17
