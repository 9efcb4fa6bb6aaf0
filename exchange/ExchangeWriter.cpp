// The atomic save of output lines to the exchange file.
#include "exchange/ExchangeWriter.h"

namespace rv17 {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

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

std::error_code SaveExchangeFile(const OutputLines& lines, const std::filesystem::path& path) {
    ExchangeFileStream stream(path);
    if (!stream.IsOpen()) return stream.Finish();  // why the temporary file could not be opened
    // The lines go to the writer's buffer one by one; the whole output is never copied.
    for (std::size_t i = 0; i < lines.Count(); ++i) stream.Line(lines.Line(i));
    return stream.Finish();
}

}  // namespace rv17
