// The output of a conversion: appending lines to the store's output list and
// saving them as the new exchange file.
#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

#include "exchange/EntityStore.h"

namespace rv17 {

// Appends one line, cut to 255 bytes without splitting a double-byte character.
void AppendOutputLine(EntityStore& store, std::string_view line);

// Writes the output lines to the file at path: "hq" alone when there are none;
// otherwise every line with CR LF, except that a text command (a text key,
// a blank, and a double quote at its end) is joined with the line after it,
// its text, and a last text command gets no line end.
// The new contents go to a temporary file beside the target, which then
// replaces the target in one step: the host never finds a half-written file.
// Returns the first failure met, or no error. After a failure the file at path
// is exactly as it was before the call (or still absent) and no temporary file
// remains.
std::error_code SaveExchangeFile(const EntityStore& store, const std::filesystem::path& path);

}  // namespace rv17
