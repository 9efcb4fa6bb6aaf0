// File access on Windows: wide-character paths, so folders with Japanese
// names work whatever the system's code page, and replacement in one step.
// The C runtime's failures carry errno, the system's carry GetLastError().
#include <windows.h>

#include <io.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <string>

#include "exchange/FileAccess.h"

namespace rv17 {

std::FILE* OpenFile(const std::filesystem::path& path, bool forWriting,
                    std::error_code& error) noexcept {
    errno = 0;
    std::FILE* file = ::_wfopen(path.c_str(), forWriting ? L"wb" : L"rb");
    error = file != nullptr ? std::error_code() : LastLibraryError(std::errc::permission_denied);
    return file;
}

std::error_code FlushToDisk(std::FILE* file) noexcept {
    errno = 0;
    if (::_commit(::_fileno(file)) == 0) return {};
    return LastLibraryError(std::errc::io_error);
}

std::error_code MoveOverTarget(const std::filesystem::path& from,
                               const std::filesystem::path& to) noexcept {
    if (::MoveFileExW(from.c_str(), to.c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0) {
        return {};
    }
    return std::error_code(static_cast<int>(::GetLastError()), std::system_category());
}

std::filesystem::path TemporarySibling(const std::filesystem::path& target) {
    static std::atomic<unsigned> counter{0};
    std::filesystem::path name = target;
    name += L".tmp" + std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(counter++);
    return name;
}

}  // namespace rv17
