// The writer of one conversion's output: the values last written with the
// attributes still to be written whatever their value, and where the lines
// go. The emitters take it; the drawing it writes from is only read.
#pragma once

#include <cstddef>
#include <string_view>
#include <utility>

#include "exchange/EntityStore.h"
#include "exchange/OutputLines.h"

namespace rv17 {

class OutputWriter {
public:
    // The lines are kept in Lines().
    explicit OutputWriter(const EntityStore& drawing);
    // The lines go to sink as they are made; Lines() stays empty.
    OutputWriter(const EntityStore& drawing, OutputLineSink& sink);
    OutputWriter(const OutputWriter&) = delete;
    OutputWriter& operator=(const OutputWriter&) = delete;

    // The drawing's first attributes and whether it had widths, which some
    // emitters write in place of values out of range.
    const EntityStore& Drawing() const noexcept { return drawing_; }

    // Appends one line, cut to 255 bytes without splitting a double-byte character.
    void Line(std::string_view line);
    // Appends lines composed ahead, each ending in CR LF, each shorter than
    // 256 bytes and none a text command: the same as appending them one by
    // one, in one step when the output goes to a file.
    void ComposedLines(std::string_view lines);

    const OutputLines& Lines() const noexcept { return lines_; }
    // The lines written so far, kept or sent to the sink.
    std::size_t LinesWritten() const noexcept { return written_; }
    // Hands the kept lines over; the writer keeps none afterwards.
    OutputLines TakeLines() noexcept { return std::move(lines_); }

    CurrentAttributes current;

private:
    OutputWriter(const EntityStore& drawing, OutputLineSink* sink);

    const EntityStore& drawing_;
    OutputLineSink* sink_ = nullptr;
    OutputLines lines_;
    std::size_t written_ = 0;
};

// Returns the writer's change tracking to its start: every attribute pending,
// every value the host's default. A writer starts so when it is made.
void ResetCurrentAttributes(OutputWriter& writer);

}  // namespace rv17
