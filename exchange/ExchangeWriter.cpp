// Output lines and their atomic save to the exchange file.
#include "exchange/ExchangeWriter.h"

#include "exchange/OutputLines.h"
#include "geometry/TextConversions.h"

namespace rv17 {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

void AppendOutputLine(EntityStore& store, std::string_view line) {
    if (store.outputSink != nullptr) {
        store.outputSink->Line(CutToWholeCharacters(line, OutputLines::kMaxLineBytes));
    } else {
        store.outputLines.Append(line);
    }
}

void AppendComposedLines(EntityStore& store, std::string_view lines) {
    if (store.outputSink != nullptr) {
        store.outputSink->ComposedLines(lines);
    } else {
        ForEachComposedLine(lines, [&](std::string_view line) { store.outputLines.Append(line); });
    }
}

void ExchangeFileStream::ComposedLines(std::string_view lines) {
    // Right after a text command the first line is its text, which takes no line end.
    if (textOpen_) {
        OutputLineSink::ComposedLines(lines);
        return;
    }
    if (!lines.empty()) wroteLine_ = true;
    writer_.Write(lines);
}

void ExchangeFileStream::Line(std::string_view line) {
    wroteLine_ = true;
    writer_.Write(line);
    if (textOpen_) {
        textOpen_ = false;  // the text's own line, whatever it ends in
    } else if (OpensText(line)) {
        textOpen_ = true;
        return;
    }
    writer_.Write(kLineEnd);
}

std::error_code ExchangeFileStream::Finish() {
    if (writer_.IsOpen() && !wroteLine_) {
        writer_.Write("hq");
        writer_.Write(kLineEnd);
    }
    return writer_.Commit();
}

std::error_code SaveExchangeFile(const EntityStore& store, const std::filesystem::path& path) {
    ExchangeFileStream stream(path);
    if (!stream.IsOpen()) return stream.Finish();  // why the temporary file could not be opened
    // The lines go to the writer's buffer one by one; the whole output is never copied.
    const OutputLines& lines = store.outputLines;
    for (std::size_t i = 0; i < lines.Count(); ++i) stream.Line(lines.Line(i));
    return stream.Finish();
}

}  // namespace rv17
