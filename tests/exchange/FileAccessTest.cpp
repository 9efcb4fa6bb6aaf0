// Whole-file reading and atomic replacement.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "exchange/FileAccess.h"
#include "tests/exchange/TemporaryNames.h"
#include "tests/support/InjectedReadFailure.h"
#include "tests/support/TestFolder.h"

namespace rv17 {

namespace {

std::string Slurp(const std::filesystem::path& path) { return ReadWholeFile(path).bytes; }

TEST(FileAccess, ReadsMissingFileAsIncompleteAndEmpty) {
    TestFolder folder;
    const FileContents contents = ReadWholeFile(folder.Path() / "missing.txt");
    EXPECT_FALSE(contents.complete);
    EXPECT_TRUE(contents.bytes.empty());
    EXPECT_FALSE(FileExists(folder.Path() / "missing.txt"));
}

TEST(FileAccess, AnInjectedReadFailureStopsTheReadOnceAtItsByte) {
    TestFolder folder;
    const auto path = folder.Write("settings.dat", std::string(5000, 'a'));
    {
        const InjectedReadFailure failure(1234, std::errc::io_error);
        const FileContents contents = ReadWholeFile(path);
        EXPECT_FALSE(contents.complete);
        EXPECT_EQ(contents.bytes.size(), 1234u);
        EXPECT_TRUE(ReadWholeFile(path).complete);
    }
    const InjectedReadFailure beyondTheEnd(5001, std::errc::io_error);
    EXPECT_TRUE(ReadWholeFile(path).complete);
}

// A name taken by an earlier writer's file is passed over for the next one.
TEST(FileAccess, ATakenTemporaryNameIsPassedOver) {
    TestFolder folder;
    const auto target = folder.Path() / "JWC_TEMP.TXT";
    folder.Write("JWC_TEMP.TXT", "old");
    const std::filesystem::path taken = NextTemporaryNames(target)[0];
    folder.Write(taken.filename().string(), "someone else's");
    AtomicFileWriter writer(target);
    ASSERT_TRUE(writer.IsOpen());
    EXPECT_NE(writer.TemporaryPath(), taken);
    writer.Write("new");
    ASSERT_EQ(writer.Commit(), std::error_code());
    EXPECT_EQ(Slurp(target), "new");
    EXPECT_EQ(Slurp(taken), "someone else's");
}

TEST(FileAccess, CommitReplacesTheFileWhole) {
    TestFolder folder;
    const auto target = folder.Path() / "JWC_TEMP.TXT";
    folder.Write("JWC_TEMP.TXT", "old contents");
    {
        AtomicFileWriter writer(target);
        ASSERT_TRUE(writer.IsOpen());
        writer.Write("hd\r\n");
        writer.Write(std::string(200000, 'x'));
        EXPECT_EQ(Slurp(target), "old contents");  // nothing visible before Commit
        EXPECT_EQ(writer.Commit(), std::error_code());
    }
    const std::string written = Slurp(target);
    EXPECT_EQ(written.size(), 4u + 200000u);
    EXPECT_EQ(written.substr(0, 4), "hd\r\n");
    EXPECT_EQ(folder.FileCount(), 1u);  // no temporary file left behind
}

TEST(FileAccess, AbandonedWriterLeavesThePreviousFile) {
    TestFolder folder;
    const auto target = folder.Path() / "settings.dat";
    folder.Write("settings.dat", "keep me");
    {
        AtomicFileWriter writer(target);
        writer.Write("half written");
    }
    EXPECT_EQ(Slurp(target), "keep me");
    EXPECT_EQ(folder.FileCount(), 1u);
}

TEST(FileAccess, WriterIntoMissingFolderFailsAndCreatesNothing) {
    TestFolder folder;
    const auto target = folder.Path() / "no such folder" / "JWC_TEMP.TXT";
    AtomicFileWriter writer(target);
    writer.Write("hd");
    EXPECT_EQ(writer.Commit(), std::errc::no_such_file_or_directory);
    EXPECT_FALSE(FileExists(target));
    EXPECT_EQ(folder.FileCount(), 0u);
}

TEST(FileAccess, HandlesJapaneseFolderNames) {
    TestFolder folder;
    // "外部変形 テスト" in UTF-8; on Windows the path is converted to UTF-16.
    const std::filesystem::path sub = folder.Path() / std::filesystem::path(u8"外部変形 テスト");
    std::filesystem::create_directories(sub);
    AtomicFileWriter writer(sub / "JWC_TEMP.TXT");
    writer.Write("hd");
    ASSERT_EQ(writer.Commit(), std::error_code());
    EXPECT_EQ(Slurp(sub / "JWC_TEMP.TXT"), "hd");
}

}  // namespace

}  // namespace rv17
