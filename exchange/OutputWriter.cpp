// The output writer's change tracking and the destination of its lines.
#include "exchange/OutputWriter.h"

#include <algorithm>

#include "geometry/TextConversions.h"

namespace rv17 {

OutputWriter::OutputWriter(const EntityStore& drawing) : OutputWriter(drawing, nullptr) {}

OutputWriter::OutputWriter(const EntityStore& drawing, OutputLineSink& sink)
    : OutputWriter(drawing, &sink) {}

OutputWriter::OutputWriter(const EntityStore& drawing, OutputLineSink* sink)
    : drawing_(drawing), sink_(sink) {
    ResetCurrentAttributes(*this);
}

void OutputWriter::Line(std::string_view line) {
    ++written_;
    if (sink_ != nullptr) {
        sink_->Line(CutToWholeCharacters(line, OutputLines::kMaxLineBytes));
    } else {
        lines_.Append(line);
    }
}

void OutputWriter::ComposedLines(std::string_view lines) {
    // Each line ends in CR LF, and none holds another line feed.
    written_ += static_cast<std::size_t>(std::count(lines.begin(), lines.end(), '\n'));
    if (sink_ != nullptr) {
        sink_->ComposedLines(lines);
    } else {
        ForEachComposedLine(lines, [&](std::string_view line) { lines_.Append(line); });
    }
}

void ResetCurrentAttributes(OutputWriter& writer) {
    writer.current = CurrentAttributes{};
    writer.current.pendingFlags.fill(true);
}

}  // namespace rv17
