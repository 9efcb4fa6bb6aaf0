// Reading a conversion's output lines back: the figures into a store of their
// own, the hatch segments into a compact list.
#include "drawing/ConvertedDrawing.h"

#include <string>

#include "exchange/ExchangeReader.h"
#include "exchange/OutputLines.h"
#include "geometry/TextConversions.h"

namespace rv17 {

namespace {

bool StartsLikeANumber(char c) noexcept {
    return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.';
}

// A line of exactly four blank-separated fields, the first starting like a
// number, with none of the bytes that make the reader cut fields differently
// (quote, equals sign, double-byte and control characters): the reader would
// take it as a line segment too.
bool FourNumbers(std::string_view line, double (&values)[4]) {
    std::string_view fields[4];
    std::size_t count = 0;
    std::size_t start = std::string_view::npos;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        const char c = i < line.size() ? line[i] : ' ';
        const auto byte = static_cast<unsigned char>(c);
        if (c == ' ' || c == '\t') {
            if (start != std::string_view::npos) {
                if (count == 4) return false;
                fields[count++] = line.substr(start, i - start);
                start = std::string_view::npos;
            }
        } else if (c == '"' || c == '=' || byte < 0x20 || byte >= 0x80) {
            return false;
        } else if (start == std::string_view::npos) {
            start = i;
        }
    }
    if (count != 4 || !StartsLikeANumber(fields[0][0])) return false;
    for (std::size_t i = 0; i < 4; ++i) values[i] = TextToReal(fields[i]);
    return true;
}

}  // namespace

ConvertedDrawing ReadConvertedDrawing(const EntityStore& drawing, const OutputLines& output,
                                      std::size_t firstHatchLine) {
    ConvertedDrawing converted;
    converted.store = std::make_unique<EntityStore>();
    EntityStore& store = *converted.store;
    InitialiseStore(store);
    store.TextSizeTable = drawing.TextSizeTable;

    ExchangeReader reader(store);
    CurrentAttributes& current = reader.State().current;
    std::string joined;
    const std::size_t count = output.Count();
    for (std::size_t i = 0; i < count; ++i) {
        const bool inSweep = i >= firstHatchLine;
        std::string_view line = output.Line(i);
        if (OpensText(line) && i + 1 < count) {
            joined.assign(line);
            joined.append(output.Line(++i));
            line = joined;
        }
        double values[4];
        if (inSweep && FourNumbers(line, values)) {
            converted.hatch.Append() =
                HatchPiece{current.colour, values[0], values[1], values[2], values[3]};
            // As after any line segment the reader takes.
            current.zFlags = 0;
            current.pointRef = 0;
            continue;
        }
        reader.Line(line);
    }
    return converted;
}

}  // namespace rv17
