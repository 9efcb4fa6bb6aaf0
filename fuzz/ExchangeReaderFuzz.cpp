// Fuzz target of the exchange-file reader: any bytes are read as a whole file
// and, separately, line by line; the two stores must agree, and nothing that
// is not finite or not whole may enter a record.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <string_view>

#include "exchange/JwwGaibu.h"
#include "geometry/TextConversions.h"

namespace rv17 {

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

void RequireFinite(std::initializer_list<double> values) {
    for (const double value : values) Require(std::isfinite(value));
}

// A short text must never end in the first half of a double-byte character.
void RequireWhole(const ShortText& text) {
    const std::string_view view = text.View();
    Require(view.size() <= ShortText::kMaxBytes);
    std::size_t pos = 0;
    while (pos < view.size()) pos += IsLeadByte(static_cast<unsigned char>(view[pos])) ? 2 : 1;
    Require(pos == view.size());
}

void RequireText(const TextRecord& text) {
    RequireFinite(
        {text.charWidth, text.charHeight, text.charSpacing, text.x, text.y, text.dx, text.dy});
    RequireWhole(text.fontName);
    RequireWhole(text.text);
}

void CheckStore(const EntityStore& store) {
    std::size_t total = 0;
    for (int kind = 1; kind <= 15; ++kind)
        total += EntityCount(store, static_cast<EntityKind>(kind));
    Require(total == store.EntityOrder.Count());
    for (std::size_t i = 0; i < store.EntityOrder.Count(); ++i) {
        const EntityOrderEntry entry = store.EntityOrder[i];
        Require(entry.index >= 0 &&
                static_cast<std::size_t>(entry.index) < EntityCount(store, entry.kind));
    }
    for (std::size_t i = 0; i < store.lines.Count(); ++i) {
        const LineRecord& r = store.lines[i];
        RequireFinite({r.x1, r.y1, r.x2, r.y2});
    }
    for (std::size_t i = 0; i < store.texts.Count(); ++i) RequireText(store.texts[i]);
    for (std::size_t i = 0; i < store.dimensions.Count(); ++i)
        RequireText(store.dimensions[i].text);
    for (std::size_t i = 0; i < store.triangleSolids.Count(); ++i) {
        const TriangleSolidRecord& r = store.triangleSolids[i];
        RequireFinite({r.x1, r.y1, r.x2, r.y2, r.x3, r.y3});
    }
    for (std::size_t i = 0; i < store.quadSolids.Count(); ++i) {
        const QuadSolidRecord& r = store.quadSolids[i];
        RequireFinite({r.x1, r.y1, r.x2, r.y2, r.x3, r.y3, r.x4, r.y4});
    }
    for (std::size_t i = 0; i < store.circleSolids.Count(); ++i) {
        const CircleSolidRecord& r = store.circleSolids[i];
        RequireFinite({r.cx, r.cy, r.radius, r.flatness, r.tilt, r.startAngle, r.arcAngle});
    }
    for (std::size_t i = 0; i < store.ringSolids.Count(); ++i) {
        const RingSolidRecord& r = store.ringSolids[i];
        RequireFinite(
            {r.cx, r.cy, r.radius, r.flatness, r.tilt, r.startAngle, r.arcAngle, r.radius2});
    }
    for (const IndicatedPoint& point : store.indicatedPoints) RequireFinite({point.x, point.y});
    Require(!store.indicatedPoints[0].defined);
}

void CheckReaderState(const ReaderState& state) {
    Require(state.current.ccValue >= 0 && state.current.ccValue <= 8);
    Require(state.current.layerGroup >= 0 && state.current.layerGroup <= 15);
    Require(state.current.layer >= 0 && state.current.layer <= 15);
}

// The same bytes cut into lines here, independently of the reader.
ReaderState ParseLineByLine(EntityStore& store, std::string_view text) {
    ExchangeReader reader(store);
    text = text.substr(0, text.find('\x1A'));
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        reader.Line(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return reader.State();
}

}  // namespace

}  // namespace rv17

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace rv17;
    static EntityStore whole;
    static EntityStore byLine;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    InitialiseStore(whole);
    ParseExchangeText(whole, text);
    CheckStore(whole);

    InitialiseStore(byLine);
    CheckReaderState(ParseLineByLine(byLine, text));
    Require(whole.EntityOrder.Count() == byLine.EntityOrder.Count());
    Require(SolidCount(whole) == SolidCount(byLine));
    Require(whole.lines.Count() == byLine.lines.Count());

    ReleaseStore(whole);
    ReleaseStore(byLine);
    return 0;
}
