// Saving the output lines: line ends, joined text lines, and a failed save
// that leaves the host's file exactly as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "exchange/FileAccess.h"
#include "tests/exchange/WriterTestSupport.h"
#include "tests/support/TestFolder.h"

namespace rv17 {

namespace {

const std::string kHostFile = "hd\r\nci 1 2 3\r\nch 0 0 1 0 \"old text\r\n";

struct SaveCase {
    const char* name;
    Lines lines;
    std::string file;
};

void PrintTo(const SaveCase& c, std::ostream* out) { *out << c.name; }

class SaveLayouts : public ::testing::TestWithParam<SaveCase> {};

TEST_P(SaveLayouts, WritesExactBytes) {
    const SaveCase& c = GetParam();
    TestFolder folder;
    const auto target = folder.Write("JWC_TEMP.TXT", kHostFile);
    WriterStore writer;
    for (const std::string& line : c.lines) writer.writer.Line(line);
    ASSERT_EQ(SaveExchangeFile(writer.writer.Lines(), target), std::error_code()) << c.name;
    const FileContents contents = ReadWholeFile(target);
    EXPECT_TRUE(contents.complete);
    EXPECT_EQ(contents.bytes, c.file) << c.name;
    EXPECT_EQ(folder.FileCount(), 1u) << "no temporary file left";
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, SaveLayouts,
    ::testing::Values(
        SaveCase{"empty list", {}, "hq\r\n"},
        SaveCase{"plain lines", {"hd", "lg0", "0 0 100 0"}, "hd\r\nlg0\r\n0 0 100 0\r\n"},
        SaveCase{"text joined",
                 {"hd", "ch 10 20 1 0 \"", "abc", "z1"},
                 "hd\r\nch 10 20 1 0 \"abc\r\nz1\r\n"},
        SaveCase{"joined text ending in a quote",
                 {"ch 0 0 1 0 \"", "say \"", "z1"},
                 "ch 0 0 1 0 \"say \"\r\nz1\r\n"},
        SaveCase{
            "final quote line has no line end", {"hd", "ch 0 0 1 0 \""}, "hd\r\nch 0 0 1 0 \""},
        SaveCase{"empty lines kept", {"hd", "", "z1"}, "hd\r\n\r\nz1\r\n"},
        SaveCase{"shift-jis bytes unchanged",
                 {"cn\"$\x82\x6C\x82\x72 \x83\x53", "ch 0 0 1 0 \"", "\x95\x5C\x8E\xA6"},
                 "cn\"$\x82\x6C\x82\x72 \x83\x53\r\nch 0 0 1 0 \"\x95\x5C\x8E\xA6\r\n"}));

TEST(SaveExchangeFileAtomically, CreatesAMissingFile) {
    TestFolder folder;
    WriterStore writer;
    writer.writer.Line("hd");
    ASSERT_EQ(SaveExchangeFile(writer.writer.Lines(), folder.Path() / "JWC_TEMP.TXT"),
              std::error_code());
    EXPECT_EQ(ReadWholeFile(folder.Path() / "JWC_TEMP.TXT").bytes, "hd\r\n");
}

TEST(SaveExchangeFileAtomically, MissingFolderFailsAndCreatesNothing) {
    TestFolder folder;
    WriterStore writer;
    writer.writer.Line("hd");
    const auto target = folder.Path() / "gone" / "JWC_TEMP.TXT";
    EXPECT_EQ(SaveExchangeFile(writer.writer.Lines(), target),
              std::errc::no_such_file_or_directory);
    EXPECT_FALSE(std::filesystem::exists(target));
    EXPECT_EQ(folder.FileCount(), 0u);
}

// A parent that is a regular file cannot hold the temporary file; this fails
// for every user, root included, where permission bits would not.
TEST(SaveExchangeFileAtomically, UnwritableLocationLeavesThePreviousFile) {
    TestFolder folder;
    const auto host = folder.Write("JWC_TEMP.TXT", kHostFile);
    folder.Write("plain file", "not a folder");
    WriterStore writer;
    writer.writer.Line("hd");
    EXPECT_NE(
        SaveExchangeFile(writer.writer.Lines(), folder.Path() / "plain file" / "JWC_TEMP.TXT"),
        std::error_code());
    EXPECT_EQ(ReadWholeFile(host).bytes, kHostFile);
    EXPECT_EQ(folder.FileCount(), 2u);
}

// The target cannot be replaced by a file when it is a non-empty folder: the
// temporary file is written and then the move fails.
TEST(SaveExchangeFileAtomically, FailedReplacementRemovesTheTemporaryFile) {
    TestFolder folder;
    const auto target = folder.Path() / "JWC_TEMP.TXT";
    std::filesystem::create_directories(target / "inside");
    WriterStore writer;
    for (int i = 0; i < 100000; ++i) writer.writer.Line("123.456789012345 1 2 3");
    EXPECT_NE(SaveExchangeFile(writer.writer.Lines(), target), std::error_code());
    EXPECT_TRUE(std::filesystem::is_directory(target / "inside"));
    EXPECT_EQ(folder.FileCount(), 1u);
}

TEST(SaveExchangeFileAtomically, ReplacesTheHostFileWhole) {
    TestFolder folder;
    const auto host = folder.Write("JWC_TEMP.TXT", std::string(1 << 20, 'x'));
    WriterStore writer;
    writer.writer.Line("hd");
    ASSERT_EQ(SaveExchangeFile(writer.writer.Lines(), host), std::error_code());
    EXPECT_EQ(ReadWholeFile(host).bytes, "hd\r\n");
}

TEST(SaveExchangeFileAtomically, StreamsManyLinesInOrder) {
    TestFolder folder;
    WriterStore writer;
    std::string expected;
    for (int i = 0; i < 300000; ++i) {
        const std::string line = std::to_string(i) + " 0 1 " + std::to_string(-i);
        writer.writer.Line(line);
        expected += line + "\r\n";
    }
    const auto target = folder.Path() / "JWC_TEMP.TXT";
    ASSERT_EQ(SaveExchangeFile(writer.writer.Lines(), target), std::error_code());
    EXPECT_TRUE(ReadWholeFile(target).bytes == expected);
}

}  // namespace

}  // namespace rv17
