// Why a file could not be written, sorted into the few reasons a user can act
// on. The system's error codes differ between platforms (and MinGW's library
// maps no Windows code to std::errc), so each platform sorts its own codes.
#pragma once

#include <filesystem>
#include <system_error>

namespace rv17 {

enum class SaveFailureReason {
    ReadOnlyFile,       // the file to replace is marked read-only
    AccessDenied,       // the system refused access to the file
    FolderNotWritable,  // no new file may be created in its folder
    DiskFull,           // no space left on the disk
    FileInUse,          // another program holds the file open or locked
    WriteProtected,     // the disk or file system takes no writes
    Other,              // anything else; the user is shown the code
};

// `error` is what AtomicFileWriter::Commit returned for `target`; the target
// is looked at as it is now, which a failed save leaves unchanged.
SaveFailureReason ClassifySaveFailure(const std::error_code& error,
                                      const std::filesystem::path& target) noexcept;

// The C library's errno values, the same on every platform.
SaveFailureReason ClassifyErrno(int code) noexcept;

// Platform layer (SaveFailure_posix.cpp / SaveFailure_win32.cpp): a code of
// std::system_category(), which is errno on POSIX and GetLastError() on Windows.
SaveFailureReason ClassifySystemError(int code, const std::filesystem::path& target) noexcept;

}  // namespace rv17
