// Whether the preview pane was open, kept for the next start in a small file
// of its own beside the executable, so that the settings file stays as it is.
#pragma once

#include <filesystem>
#include <system_error>

namespace rv17 {

// The executable's path with the extension ".ini".
std::filesystem::path PreviewStatePath(const std::filesystem::path& executablePath);

// "[Preview]" then "Open=1" or "Open=0". A missing or unreadable file, or one
// that says neither, means closed.
bool LoadPreviewOpen(const std::filesystem::path& path);

// Replaces the file atomically; the old file stays when writing fails.
std::error_code SavePreviewOpen(const std::filesystem::path& path, bool open);

}  // namespace rv17
