// The settings file: its 14 lines, defaults, short and damaged files, flags and saving.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "exchange/FileAccess.h"
#include "tests/support/TestFolder.h"
#include "ui/SettingsFile.h"

namespace rv17 {

namespace {

void ExpectSame(const SettingsFile& a, const SettingsFile& b) {
    EXPECT_EQ(a.mainPosition, b.mainPosition);
    EXPECT_EQ(a.editorPosition, b.editorPosition);
    EXPECT_EQ(a.intervalList, b.intervalList);
    EXPECT_EQ(a.angleList, b.angleList);
    EXPECT_EQ(a.widthList, b.widthList);
    EXPECT_EQ(a.lastValues.interval, b.lastValues.interval);
    EXPECT_EQ(a.lastValues.angleDegrees, b.lastValues.angleDegrees);
    EXPECT_EQ(a.lastValues.colourIndex, b.lastValues.colourIndex);
    EXPECT_EQ(a.lastValues.lineTypeIndex, b.lastValues.lineTypeIndex);
    EXPECT_EQ(a.lastValues.width, b.lastValues.width);
    EXPECT_EQ(a.lastValues.recolourNumberedSolids, b.lastValues.recolourNumberedSolids);
    EXPECT_EQ(a.lastValues.recolourSxfSolids, b.lastValues.recolourSxfSolids);
}

SettingsFile Loaded(const std::filesystem::path& path, ui::ScreenPosition editor = {7, 8}) {
    SettingsFile settings;
    settings.editorPosition = editor;
    LoadSettings(path, settings);
    return settings;
}

SettingsFile Unusual() {
    SettingsFile s;
    s.mainPosition = {-40000, 2147483647};
    s.editorPosition = {-2147483647 - 1, 0};
    s.intervalList = R"("a b","c""d","e,f",,"",x)";
    s.angleList = "";
    s.widthList = R"("")";
    s.lastValues = {" 2.5 ", "\x8A\x70\x93\x78", -1, 50, "abc", true, false};  // angle "角度"
    return s;
}

TEST(SettingsFile, PathIsTheExecutablePathWithDat) {
    EXPECT_EQ(SettingsFilePath("/opt/jw/rv17.exe"), std::filesystem::path("/opt/jw/rv17.dat"));
    EXPECT_EQ(SettingsFilePath("/opt/jw/rv17"), std::filesystem::path("/opt/jw/rv17.dat"));
    EXPECT_EQ(SettingsFilePath("/opt/jw.x/a.b.exe"), std::filesystem::path("/opt/jw.x/a.b.dat"));
}

TEST(SettingsFile, WithoutAFileTheDefaultsStandAndTheEditorStaysWhereItIs) {
    TestFolder folder;
    SettingsFile changed = Unusual();
    changed.editorPosition = {7, 8};
    LoadSettings(folder.Path() / "rv17.dat", changed);
    SettingsFile expected;
    expected.editorPosition = {7, 8};
    ExpectSame(changed, expected);
    EXPECT_EQ(folder.FileCount(), 0u);
}

TEST(SettingsFile, WritesFourteenLinesInTheirOrder) {
    TestFolder folder;
    const auto path = folder.Path() / "rv17.dat";
    ASSERT_EQ(SaveSettings(path, Unusual()), std::error_code());
    EXPECT_EQ(ReadWholeFile(path).bytes,
              "-40000\r\n2147483647\r\n-2147483648\r\n0\r\n"
              "\"a b\",\"c\"\"d\",\"e,f\",,\"\",x\r\n\r\n\"\"\r\n"
              " 2.5 \r\n\x8A\x70\x93\x78\r\n-1\r\n50\r\nabc\r\n1\r\n0\r\n");
    ExpectSame(Loaded(path), Unusual());
    EXPECT_EQ(folder.FileCount(), 1u);
}

TEST(SettingsFile, MissingLinesOfAShortFileReadAsEmpty) {
    TestFolder folder;
    const auto path = folder.Write("rv17.dat", "10\r\n20\r\n30\r\n40\r\n");
    SettingsFile expected;
    expected.mainPosition = {10, 20};
    expected.editorPosition = {30, 40};
    expected.intervalList = expected.angleList = expected.widthList = "";
    expected.lastValues = {"", "", 0, 0, "", false, false};
    ExpectSame(Loaded(path), expected);

    folder.Write("rv17.dat", "");
    expected.mainPosition = expected.editorPosition = {0, 0};
    ExpectSame(Loaded(path), expected);
}

TEST(SettingsFile, LineEndsAndDamagedLines) {
    TestFolder folder;
    // Line feeds alone end lines too; a carriage return counts only before a line feed.
    const auto path = folder.Write(
        "rv17.dat", "1x\n 5\r\n\r\r\n$10\n1,2\n\n\n1\r\r\n0\n300\n-7\nw\rx\n yes \nTrUe");
    const SettingsFile loaded = Loaded(path);
    EXPECT_EQ(loaded.mainPosition, (ui::ScreenPosition{0, 5}));  // 1x is no number, " 5" is
    EXPECT_EQ(loaded.editorPosition, (ui::ScreenPosition{0, 16}));
    EXPECT_EQ(loaded.intervalList, "1,2");
    EXPECT_EQ(loaded.lastValues.interval, "1\r");
    EXPECT_EQ(loaded.lastValues.colourIndex, 300);
    EXPECT_EQ(loaded.lastValues.lineTypeIndex, -7);
    EXPECT_EQ(loaded.lastValues.width, "w\rx");
    EXPECT_FALSE(loaded.lastValues.recolourNumberedSolids);
    EXPECT_TRUE(loaded.lastValues.recolourSxfSolids);  // the last line needs no line feed
}

TEST(SettingsFile, HugeLinesAndEveryByteValue) {
    TestFolder folder;
    std::string bytes;
    for (int b = 0; b < 256; ++b) {
        if (b != '\n') bytes += static_cast<char>(b);
    }
    std::string longList;
    for (int i = 0; i < 200000; ++i) longList += "12.5,";
    SettingsFile s;
    s.intervalList = longList;
    s.lastValues.width = bytes;
    const auto path = folder.Path() / "rv17.dat";
    ASSERT_EQ(SaveSettings(path, s), std::error_code());
    ExpectSame(Loaded(path, s.editorPosition), s);

    folder.Write("rv17.dat", std::string(3000000, '9') + "\r\n" + std::string(100000, '\0'));
    const SettingsFile loaded = Loaded(path);
    EXPECT_EQ(loaded.mainPosition, (ui::ScreenPosition{0, 0}));
}

// Whatever a file holds, loading it never fails, and saving and loading again changes nothing.
TEST(SettingsFile, AnyBytesLoadAndSettleAfterOneSave) {
    TestFolder folder;
    const auto path = folder.Path() / "rv17.dat";
    const std::string alphabet{'0', '1', '-', ' ',  '\r',   '\n',   '\n',
                               '"', ',', 't', '\0', '\x81', '\x9B', 'x'};
    std::mt19937 random(4);
    std::uniform_int_distribution<std::size_t> length(0, 120);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    for (int trial = 0; trial < 300; ++trial) {
        std::string content;
        for (std::size_t n = length(random); n > 0; --n) content += alphabet[pick(random)];
        folder.Write("rv17.dat", content);
        const SettingsFile first = Loaded(path);
        ASSERT_EQ(SaveSettings(path, first), std::error_code());
        SCOPED_TRACE(testing::PrintToString(content));
        ExpectSame(Loaded(path), first);
    }
}

TEST(SettingsFile, AFailedSaveReportsItAndLeavesNothingBehind) {
    TestFolder folder;
    EXPECT_EQ(SaveSettings(folder.Path() / "no such folder" / "rv17.dat", SettingsFile{}),
              std::errc::no_such_file_or_directory);
    // A folder where the file should be cannot be replaced; it stays as it is.
    std::filesystem::create_directory(folder.Path() / "rv17.dat");
    EXPECT_NE(SaveSettings(folder.Path() / "rv17.dat", SettingsFile{}), std::error_code());
    EXPECT_TRUE(std::filesystem::is_directory(folder.Path() / "rv17.dat"));
    EXPECT_EQ(folder.FileCount(), 1u);
}

struct FlagCase {
    const char* text;
    bool flag;
};

class Flags : public testing::TestWithParam<FlagCase> {};

TEST_P(Flags, ReadAsTrueOnlyForTheAcceptedSpellings) {
    EXPECT_EQ(TextToFlag(GetParam().text), GetParam().flag);
}

INSTANTIATE_TEST_SUITE_P(
    Spellings, Flags,
    testing::Values(
        FlagCase{"T", true}, FlagCase{"t", true}, FlagCase{"tr", true}, FlagCase{"TrU", true},
        FlagCase{"true", true}, FlagCase{" true\t", true}, FlagCase{"o n", true},
        FlagCase{"1", true}, FlagCase{"ON", true}, FlagCase{"\x82\x50", true},  // １
        FlagCase{"\x81\x9B", true}, FlagCase{"\x90\x5E", true},
        FlagCase{"\x90\xB3", true},           // ○ 真 正
        FlagCase{"\x81\x40t\x81\x40", true},  // full-width blanks around
        FlagCase{"", false}, FlagCase{"yes", false}, FlagCase{"0", false}, FlagCase{"2", false},
        FlagCase{"11", false}, FlagCase{"truex", false}, FlagCase{"OFF", false},
        FlagCase{"\x82\x70", false},  // Ｑ: its second byte is a small p, yet it is no "１"
        FlagCase{"\x82\x60\x82\x6D", false}));  // ＡＮ

TEST(SettingsFile, FlagsAreWrittenAsOneAndZero) {
    EXPECT_EQ(FlagToText(true), "1");
    EXPECT_EQ(FlagToText(false), "0");
}

TEST(SettingsFile, HatchSettingsWithoutAWindowMapMissingEntriesToNoSelection) {
    TestFolder folder;
    EXPECT_FALSE(LoadHatchSettings(folder.Path() / "rv17.dat").has_value());
    const auto path = folder.Write("rv17.dat", "1\n2\n3\n4\n\n\n\n0.5\n30\n265\n51\n13\nON\n0\n");
    const auto values = LoadHatchSettings(path);
    ASSERT_TRUE(values.has_value());
    EXPECT_EQ(values->interval, "0.5");
    EXPECT_EQ(values->angleDegrees, "30");
    EXPECT_EQ(values->colourIndex, 265);   // the last colour entry
    EXPECT_EQ(values->lineTypeIndex, -1);  // the line-type list has 51 entries
    EXPECT_EQ(values->width, "13");
    EXPECT_TRUE(values->recolourNumberedSolids);
    EXPECT_FALSE(values->recolourSxfSolids);
}

}  // namespace

}  // namespace rv17
