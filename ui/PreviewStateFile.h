// The dialog's state kept for the next start in a small file of its own beside
// the executable (whether the preview pane was open, whether the interval is
// in real size, whether touching pieces are joined), so that the settings
// file stays as it is.
#pragma once

#include <filesystem>
#include <system_error>

namespace rv17 {

struct RememberedState {
    bool previewOpen = false;
    bool realSize = false;
    bool joinTouching = false;
};

// The executable's path with the extension ".ini".
std::filesystem::path PreviewStatePath(const std::filesystem::path& executablePath);

// "[Preview]" with "Open=1" or "Open=0", "[Interval]" with "RealSize=1" or
// "RealSize=0", "[Hatch]" with "Join=1". A missing or unreadable file, or a
// key that is missing or says neither, means off.
RememberedState LoadRememberedState(const std::filesystem::path& path);

// Replaces the file atomically with the first two sections, and "[Hatch]" when
// joining is on; the old file stays when writing fails.
std::error_code SaveRememberedState(const std::filesystem::path& path,
                                    const RememberedState& state);

}  // namespace rv17
