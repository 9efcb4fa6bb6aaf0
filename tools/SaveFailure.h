// Why a file could not be saved at a path, for the message to the user: the
// writer reports only that it failed, and leaves the path as it was.
#pragma once

#include <filesystem>
#include <system_error>

namespace rv17 {

std::error_code SaveFailureReason(const std::filesystem::path& path);

}  // namespace rv17
