// Finding the reason a save failed by looking at the path and trying the
// writer's first step again.
#include "tools/SaveFailure.h"

#include <cerrno>
#include <cstdio>

#include "exchange/FileAccess.h"

namespace rv17 {

std::error_code SaveFailureReason(const std::filesystem::path& path) {
    std::error_code error;
    const std::filesystem::path folder =
        path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    if (!std::filesystem::is_directory(folder, error)) {
        return error ? error : std::make_error_code(std::errc::not_a_directory);
    }
    if (std::filesystem::is_directory(path, error))
        return std::make_error_code(std::errc::is_a_directory);

    // The writer starts with a temporary file beside the target.
    const std::filesystem::path probe = TemporarySibling(path);
    errno = 0;
    std::FILE* file = OpenFile(probe, true);
    const int openError = errno;
    if (file == nullptr) {
        return openError != 0 ? std::error_code(openError, std::generic_category())
                              : std::make_error_code(std::errc::permission_denied);
    }
    std::fclose(file);
    std::filesystem::remove(probe, error);
    // The temporary file could be written: writing it in full or putting it
    // in the target's place failed.
    return std::make_error_code(std::errc::io_error);
}

}  // namespace rv17
