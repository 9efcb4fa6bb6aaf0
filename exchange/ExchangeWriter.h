// The output of a conversion: appending lines to the store's output list and
// saving them as the new exchange file, either at the end or as they come.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "exchange/EntityStore.h"
#include "exchange/FileAccess.h"

namespace rv17 {

// Appends one line, cut to 255 bytes without splitting a double-byte character,
// to the store's output sink when one is attached, otherwise to its output lines.
void AppendOutputLine(EntityStore& store, std::string_view line);

// Appends lines composed ahead, each ending in CR LF, each shorter than 256
// bytes and none a text command: the same as appending them one by one, in
// one step when the output goes to a file.
void AppendComposedLines(EntityStore& store, std::string_view lines);

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

// Attaches a sink to the store for the life of this object.
class AttachedOutputSink {
public:
    AttachedOutputSink(EntityStore& store, OutputLineSink& sink) noexcept : store_(store) {
        store_.outputSink = &sink;
    }
    ~AttachedOutputSink() { store_.outputSink = nullptr; }
    AttachedOutputSink(const AttachedOutputSink&) = delete;
    AttachedOutputSink& operator=(const AttachedOutputSink&) = delete;

private:
    EntityStore& store_;
};

// Writes the store's output lines to the file at path as ExchangeFileStream
// does. Returns the first failure met, or no error.
std::error_code SaveExchangeFile(const EntityStore& store, const std::filesystem::path& path);

}  // namespace rv17
