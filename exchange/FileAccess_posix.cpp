// File access on POSIX systems; failures carry errno.
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <string>

#include "exchange/FileAccess.h"

namespace rv17 {

std::FILE* OpenFile(const std::filesystem::path& path, bool forWriting,
                    std::error_code& error) noexcept {
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), forWriting ? "wb" : "rb");
    error = file != nullptr ? std::error_code() : LastLibraryError(std::errc::permission_denied);
    return file;
}

std::error_code FlushToDisk(std::FILE* file) noexcept {
    errno = 0;
    if (::fsync(::fileno(file)) == 0) return {};
    return LastLibraryError(std::errc::io_error);
}

std::error_code MoveOverTarget(const std::filesystem::path& from,
                               const std::filesystem::path& to) noexcept {
    errno = 0;
    if (std::rename(from.c_str(), to.c_str()) == 0) return {};
    return LastLibraryError(std::errc::io_error);
}

std::filesystem::path TemporarySibling(const std::filesystem::path& target) {
    static std::atomic<unsigned> counter{0};
    std::filesystem::path name = target;
    name += ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    return name;
}

}  // namespace rv17
