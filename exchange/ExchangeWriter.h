// Saving the output of a conversion as the new exchange file, either at the
// end or as the lines come.
#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

#include "exchange/FileAccess.h"
#include "exchange/OutputLines.h"

namespace rv17 {

// A new version of the exchange file, written line by line as the lines are
// made: every line with CR LF, except that a text command (a text key, a blank,
// and a double quote at its end) is joined with the line after it, its text,
// and a last text command gets no line end; "hq" alone when no line came.
// The bytes go to a temporary file beside the target, which replaces the
// target in one step at Finish(): the host never finds a half-written file.
class ExchangeFileStream final : public OutputLineSink {
public:
    explicit ExchangeFileStream(const std::filesystem::path& path) : writer_(path) {}

    // False when the temporary file could not be created; Finish() tells why.
    bool IsOpen() const noexcept { return writer_.IsOpen(); }
    void Line(std::string_view line) override;
    void ComposedLines(std::string_view lines) override;
    // Puts the file in place. Returns the first failure met, or no error;
    // after a failure (or without Finish) the target is exactly as it was
    // before and no temporary file remains.
    std::error_code Finish();

private:
    AtomicFileWriter writer_;
    bool wroteLine_ = false;
    bool textOpen_ = false;  // the last line opened a text; its text comes next
};

// Writes the lines to the file at path as ExchangeFileStream does. Returns the
// first failure met, or no error.
std::error_code SaveExchangeFile(const OutputLines& lines, const std::filesystem::path& path);

}  // namespace rv17
