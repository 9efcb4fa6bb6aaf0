// Reading a conversion's output lines back into a store of their own.
#include "ConvertedDrawing.h"

#include <string>

#include "EntityEmitters.h"
#include "ExchangeReader.h"

namespace {

bool EndsInDoubleQuote(std::string_view line) noexcept { return !line.empty() && line.back() == '"'; }

std::size_t WrittenLineSegments(const EntityStore& drawing) {
    std::size_t written = 0;
    for (std::size_t i = 0; i < drawing.lines.Count(); ++i) {
        const LineRecord& line = drawing.lines[i];
        if (IsWritableSegment(line.x1, line.y1, line.x2, line.y2)) ++written;
    }
    return written;
}

}  // namespace

ConvertedDrawing ReadConvertedDrawing(const EntityStore& drawing, const OutputLines& output) {
    ConvertedDrawing converted;
    converted.store = std::make_unique<EntityStore>();
    EntityStore& store = *converted.store;
    InitialiseStore(store);
    store.TextSizeTable = drawing.TextSizeTable;

    std::string joined;
    const std::size_t count = output.Count();
    for (std::size_t i = 0; i < count; ++i) {
        const std::string_view line = output.Line(i);
        if (EndsInDoubleQuote(line) && i + 1 < count) {
            joined.assign(line);
            joined.append(output.Line(++i));
            ParseLine(store, joined);
        } else {
            ParseLine(store, line);
        }
    }

    const std::size_t lineRecords = store.lines.Count();
    const std::size_t writtenBack = WrittenLineSegments(drawing);
    converted.hatchSegmentCount = lineRecords > writtenBack ? lineRecords - writtenBack : 0;
    converted.firstHatchLine = lineRecords - converted.hatchSegmentCount;
    return converted;
}
