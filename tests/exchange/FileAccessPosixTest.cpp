// What the atomic writer and the tidying of stray temporary files do with
// what POSIX systems offer: links, permission bits and process numbers.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>
#include <system_error>

#include "exchange/FileAccess.h"
#include "tests/exchange/TemporaryNames.h"
#include "tests/support/TestFolder.h"

namespace rv17 {

namespace {

// A process number that no process has: a child that has ended and been
// waited for.
std::uint64_t EndedProcess() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return static_cast<std::uint64_t>(child);
}

std::set<std::string> Names(const TestFolder& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        names.insert(entry.path().filename().string());
    return names;
}

TEST(FileAccessPosix, ALinkPlantedUnderTheNextTemporaryNameIsNotFollowed) {
    TestFolder folder;
    const auto target = folder.Path() / "JWC_TEMP.TXT";
    const auto victim = folder.Write("victim.txt", "not yours");
    folder.Write("JWC_TEMP.TXT", "old");
    const NextTemporaryNames next(target);
    for (unsigned n = 0; n < 3; ++n) std::filesystem::create_symlink(victim, next[n]);
    AtomicFileWriter writer(target);
    writer.Write("new");
    ASSERT_EQ(writer.Commit(), std::error_code());
    EXPECT_EQ(ReadWholeFile(victim).bytes, "not yours");
    EXPECT_EQ(ReadWholeFile(target).bytes, "new");
    EXPECT_FALSE(std::filesystem::is_symlink(target));
}

TEST(FileAccessPosix, TheReplacedFileKeepsItsPermissionBits) {
    for (const auto mode :
         {std::filesystem::perms::owner_read | std::filesystem::perms::owner_write,
          std::filesystem::perms::owner_all | std::filesystem::perms::group_read |
              std::filesystem::perms::others_read}) {
        TestFolder folder;
        const auto target = folder.Write("rv17.dat", "old");
        std::filesystem::permissions(target, mode);
        AtomicFileWriter writer(target);
        writer.Write("new");
        ASSERT_EQ(writer.Commit(), std::error_code());
        EXPECT_EQ(std::filesystem::status(target).permissions(), mode);
    }
}

TEST(FileAccessPosix, OnlyTheTemporaryFilesOfEndedProcessesAreRemoved) {
    TestFolder folder;
    const auto target = folder.Path() / "JWC_TEMP.TXT";
    const std::string ended = std::to_string(EndedProcess());
    const std::string running = std::to_string(::getppid());
    const std::string own = std::to_string(CurrentProcessId());
    const std::set<std::string> kept = {
        "JWC_TEMP.TXT",
        "JWC_TEMP.TXT.tmp" + running + "-0",  // a run still writing
        "JWC_TEMP.TXT.tmp" + own + "-7",
        "rv17.dat.tmp" + ended + "-0",  // another file's
        "JWC_TEMP.TXT.tmp" + ended + "-",
        "JWC_TEMP.TXT.tmp" + ended + "-1x",
        "JWC_TEMP.TXT.tmp-1",
        "JWC_TEMP.TXT.tmp" + ended + "-3.bak",
    };
    for (const std::string& name : kept) folder.Write(name, "x");
    folder.Write("JWC_TEMP.TXT.tmp" + ended + "-0", "left by a killed run");
    folder.Write("JWC_TEMP.TXT.tmp" + ended + "-12", "x");
    std::filesystem::create_symlink(folder.Path() / "JWC_TEMP.TXT",
                                    folder.Path() / ("JWC_TEMP.TXT.tmp" + ended + "-2"));
    RemoveStaleTemporaries(target);
    EXPECT_EQ(Names(folder), kept);
    EXPECT_EQ(ReadWholeFile(target).bytes, "x") << "a link is removed, not what it names";
}

}  // namespace

}  // namespace rv17
