// Save failures on Windows: GetLastError() codes, which the C++ library here
// does not map to std::errc.
#include <windows.h>

#include "exchange/SaveFailure.h"

namespace rv17 {

namespace {

bool IsReadOnlyFile(const std::filesystem::path& path) noexcept {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0 &&
           (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace

// System codes come from moving the finished temporary file over the target,
// so a refusal there concerns the target; Windows refuses to replace a
// read-only file with ERROR_ACCESS_DENIED.
SaveFailureReason ClassifySystemError(int code, const std::filesystem::path& target) noexcept {
    switch (static_cast<DWORD>(code)) {
        case ERROR_ACCESS_DENIED:
            return IsReadOnlyFile(target) ? SaveFailureReason::ReadOnlyFile
                                          : SaveFailureReason::AccessDenied;
        case ERROR_FILE_READ_ONLY:
            return SaveFailureReason::ReadOnlyFile;
        case ERROR_NETWORK_ACCESS_DENIED:
            return SaveFailureReason::AccessDenied;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_USER_MAPPED_FILE:
            return SaveFailureReason::FileInUse;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return SaveFailureReason::DiskFull;
        case ERROR_WRITE_PROTECT:
            return SaveFailureReason::WriteProtected;
        default:
            return SaveFailureReason::Other;
    }
}

}  // namespace rv17
