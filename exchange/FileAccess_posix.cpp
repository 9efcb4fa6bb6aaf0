// File access on POSIX systems.
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <string>

#include "exchange/FileAccess.h"

namespace rv17 {

std::FILE* OpenFile(const std::filesystem::path& path, bool forWriting) noexcept {
    return std::fopen(path.c_str(), forWriting ? "wb" : "rb");
}

bool FlushToDisk(std::FILE* file) noexcept { return ::fsync(::fileno(file)) == 0; }

bool MoveOverTarget(const std::filesystem::path& from, const std::filesystem::path& to) noexcept {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

std::filesystem::path TemporarySibling(const std::filesystem::path& target) {
    static std::atomic<unsigned> counter{0};
    std::filesystem::path name = target;
    name += ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    return name;
}

}  // namespace rv17
