// Output lines and their atomic save to the exchange file.
#include "exchange/ExchangeWriter.h"

#include "exchange/FileAccess.h"
#include "exchange/OutputLines.h"

namespace rv17 {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

void AppendOutputLine(EntityStore& store, std::string_view line) { store.outputLines.Append(line); }

std::error_code SaveExchangeFile(const EntityStore& store, const std::filesystem::path& path) {
    AtomicFileWriter writer(path);
    if (!writer.IsOpen()) return writer.Commit();  // why the temporary file could not be opened
    const OutputLines& lines = store.outputLines;
    const std::size_t count = lines.Count();
    if (count == 0) {
        writer.Write("hq");
        writer.Write(kLineEnd);
    }
    // The lines go to the writer's buffer one by one; the whole output is never copied.
    for (std::size_t i = 0; i < count; ++i) {
        const std::string_view line = lines.Line(i);
        writer.Write(line);
        if (!OpensText(line)) {
            writer.Write(kLineEnd);
        } else if (i + 1 < count) {
            writer.Write(lines.Line(++i));
            writer.Write(kLineEnd);
        }
    }
    return writer.Commit();
}

}  // namespace rv17
