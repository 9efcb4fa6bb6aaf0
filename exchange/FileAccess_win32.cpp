// File access on Windows: wide-character paths, so folders with Japanese
// names work whatever the system's code page, and replacement in one step.
#include <windows.h>

#include <io.h>

#include <atomic>
#include <cstdio>
#include <string>

#include "exchange/FileAccess.h"

namespace rv17 {

std::FILE* OpenFile(const std::filesystem::path& path, bool forWriting) noexcept {
    return ::_wfopen(path.c_str(), forWriting ? L"wb" : L"rb");
}

bool FlushToDisk(std::FILE* file) noexcept { return ::_commit(::_fileno(file)) == 0; }

bool MoveOverTarget(const std::filesystem::path& from, const std::filesystem::path& to) noexcept {
    return ::MoveFileExW(from.c_str(), to.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

std::filesystem::path TemporarySibling(const std::filesystem::path& target) {
    static std::atomic<unsigned> counter{0};
    std::filesystem::path name = target;
    name += L".tmp" + std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(counter++);
    return name;
}

}  // namespace rv17
