// Windows' own error codes sorted into the reasons the user is told. The
// C++ library here maps none of them to std::errc, so each is checked as the
// writer returns it: a system_category() code from replacing the target.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <system_error>

#include "exchange/SaveFailure.h"
#include "tests/support/TestFolder.h"

namespace rv17 {

namespace {

std::error_code SystemError(DWORD code) {
    return std::error_code(static_cast<int>(code), std::system_category());
}

TEST(SaveFailureWin32, SystemCodesGiveTheirReasons) {
    TestFolder folder;
    const auto target = folder.Write("JWC_TEMP.TXT", "hd\r\n");
    const struct {
        DWORD code;
        SaveFailureReason expected;
    } cases[] = {
        {ERROR_ACCESS_DENIED, SaveFailureReason::AccessDenied},
        {ERROR_SHARING_VIOLATION, SaveFailureReason::FileInUse},
        {ERROR_LOCK_VIOLATION, SaveFailureReason::FileInUse},
        {ERROR_USER_MAPPED_FILE, SaveFailureReason::FileInUse},
        {ERROR_DISK_FULL, SaveFailureReason::DiskFull},
        {ERROR_HANDLE_DISK_FULL, SaveFailureReason::DiskFull},
        {ERROR_WRITE_PROTECT, SaveFailureReason::WriteProtected},
        {ERROR_FILE_READ_ONLY, SaveFailureReason::ReadOnlyFile},
        {ERROR_PATH_NOT_FOUND, SaveFailureReason::Other},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClassifySaveFailure(SystemError(c.code), target), c.expected) << c.code;
    // The C runtime reports the temporary file it could not create with errno.
    EXPECT_EQ(ClassifySaveFailure(std::make_error_code(std::errc::permission_denied), target),
              SaveFailureReason::FolderNotWritable);
}

// Windows refuses to move a file over a read-only one with
// ERROR_ACCESS_DENIED (Wine replaces it, so the code is given here); the
// target, left as it was, tells the read-only reason apart.
TEST(SaveFailureWin32, AccessDeniedOnAReadOnlyTargetIsTheReadOnlyReason) {
    TestFolder folder;
    const auto target = folder.Write("JWC_TEMP.TXT", "hd\r\n");
    ASSERT_TRUE(::SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(ClassifySaveFailure(SystemError(ERROR_ACCESS_DENIED), target),
              SaveFailureReason::ReadOnlyFile);
    ::SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);  // so the folder can go
}

}  // namespace

}  // namespace rv17
