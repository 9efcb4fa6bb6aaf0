// The rule table of the exchange-file reader, tried in order: the first rule
// whose key and field count fit the line is carried out, all others are not.
#include "exchange/LineRules.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "exchange/ColourNumbers.h"
#include "exchange/TextKeys.h"
#include "geometry/TextConversions.h"

namespace rv17 {

namespace {

using std::string_view;

// Two corners of an "sl" solid closer than this in x and in y are one corner.
constexpr double kSameCornerTolerance = 1e-10;

// The store has room for this many "hrgb" values; further values are dropped.
constexpr std::size_t kHrgbCapacity = std::tuple_size_v<decltype(EntityStore::hrgbValues)>;

double Real(const LineFields& fields, std::size_t index) noexcept {
    return TextToReal(fields[index]);
}
std::int32_t Integer(const LineFields& fields, std::size_t index) noexcept {
    return TextToInteger(fields[index]);
}

// The text from the given 0-based position to the end; empty when the text is shorter.
string_view From(string_view text, std::size_t position) noexcept {
    return position < text.size() ? text.substr(position) : string_view{};
}

// The character at the given position read as one hexadecimal digit; 0 when
// it is missing or not a hexadecimal digit.
std::int32_t HexDigitAt(string_view text, std::size_t position) noexcept {
    const int digit = position < text.size() ? HexDigitValue(text[position]) : -1;
    return digit < 0 ? 0 : digit;
}

// True, once, for the first value of an attribute: the flag is cleared.
bool TakeFirstValue(ReaderState& state, PendingFlag flag) noexcept {
    if (!state.current.pendingFlags[flag]) return false;
    state.current.pendingFlags[flag] = false;
    return true;
}

// The per-entity attributes apply to one entity only, and an entity other
// than a line segment ends a polyline and an open dimension.
void FinishEntity(ReaderState& state) noexcept {
    state.current.zFlags = 0;
    state.current.pointRef = 0;
    state.polylineActive = false;
    state.msgActive = false;
}

// "lgn" and "lyn": the name after the key, then each further field after one blank.
void AssignName(std::string& name, const LineFields& fields) {
    name.assign(From(fields[0], 3));
    for (std::size_t i = 1; i < fields.count; ++i) {
        name += ' ';
        name += fields[i];
    }
}

template <std::size_t N>
void ReadReals(std::array<double, N>& values, const LineFields& fields) noexcept {
    for (std::size_t i = 0; i < N; ++i) values[i] = Real(fields, i + 1);
}

// Header values of the drawing; returns false when no header key fits. The name
// keys "lgn" and "lyn" are tried here, before "lg" and "ly", which they begin with.
bool ApplyHeaderRule(EntityStore& store, ReaderState& state, const LineFields& fields) {
    const string_view key = fields[0];
    const std::size_t n = fields.count;
    if (key == "hk" && n >= 2) {
        store.hkValue = Real(fields, 1);
    } else if (key == "hs" && n >= 17) {
        ReadReals(store.groupScale, fields);
    } else if (key == "hzs" && n >= 3) {
        store.sheetWidth = Real(fields, 1);
        store.sheetHeight = Real(fields, 2);
    } else if (key == "hcw" && n >= 11) {
        for (std::size_t i = 1; i <= 10; ++i) store.TextSizeTable[i].charWidth = Real(fields, i);
    } else if (key == "hch" && n >= 11) {
        for (std::size_t i = 1; i <= 10; ++i) store.TextSizeTable[i].charHeight = Real(fields, i);
    } else if (key == "hcd" && n >= 11) {
        for (std::size_t i = 1; i <= 10; ++i) store.TextSizeTable[i].charSpacing = Real(fields, i);
    } else if (key == "hcc" && n >= 11) {
        for (std::size_t i = 1; i <= 10; ++i) store.TextSizeTable[i].colour = Integer(fields, i);
    } else if (key == "bz") {
        store.bzFlag = true;
    } else if (key == "hn" && n >= 5) {
        ReadReals(store.hnValues, fields);
    } else if (key == "hrgb" && n >= 9) {
        for (std::size_t i = 0; i + 1 < n && i < kHrgbCapacity; ++i) {
            store.hrgbValues[i] = Integer(fields, i + 1);
        }
    } else if (key.starts_with("lgn")) {
        AssignName(store.layerGroupNames[static_cast<std::size_t>(state.current.layerGroup)],
                   fields);
    } else if (key.starts_with("lyn")) {
        AssignName(store.layerNames[static_cast<std::size_t>(state.current.layerGroup)]
                                   [static_cast<std::size_t>(state.current.layer)],
                   fields);
    } else {
        return false;
    }
    return true;
}

// Attribute, polyline and dimension state; returns false when no such key fits.
bool ApplyAttributeRule(EntityStore& store, ReaderState& state, const LineFields& fields) {
    const string_view key = fields[0];
    const std::size_t n = fields.count;
    CurrentAttributes& current = state.current;
    InitialAttributes& initial = store.initial;

    if (key.starts_with("lg")) {
        const std::int32_t group = HexDigitAt(key, 2);
        if (TakeFirstValue(state, kPendingLayerGroup)) initial.initialLayerGroup = group;
        current.layerGroup = group;
        if (n >= 2) store.layerGroupValue[static_cast<std::size_t>(group)] = Integer(fields, 1);
        state.polylineActive = false;
    } else if (key.starts_with("ly")) {
        const std::int32_t layer = HexDigitAt(key, 2);
        if (TakeFirstValue(state, kPendingLayer)) initial.initialLayer = layer;
        current.layer = layer;
        if (n >= 2) {
            store.layerValue[static_cast<std::size_t>(current.layerGroup)]
                            [static_cast<std::size_t>(layer)] = Integer(fields, 1);
        }
        state.polylineActive = false;
    } else if (key.starts_with("lc")) {
        const std::int32_t colour = TextToInteger(From(key, 2));
        if (TakeFirstValue(state, kPendingColour)) initial.initialColour = colour;
        current.colour = colour;
        if (colour == kRgbColour && n >= 2) current.rgbColour = Integer(fields, 1);
        state.polylineActive = false;
    } else if (key.starts_with("lt")) {
        const std::int32_t lineType = TextToInteger(From(key, 2));
        if (TakeFirstValue(state, kPendingLineType)) initial.initialLineType = lineType;
        current.lineType = lineType;
        state.polylineActive = false;
    } else if (key.starts_with("lw")) {
        const std::int32_t lineWidth = TextToInteger(From(key, 2));
        if (TakeFirstValue(state, kPendingLineWidth)) initial.initialLineWidth = lineWidth;
        current.lineWidth = lineWidth;
        store.lineWidthSeen = true;
        state.polylineActive = false;
    } else if (key.starts_with("cn$")) {
        const string_view fontName = From(key, 3);
        if (initial.initialFontName.empty()) initial.initialFontName.assign(fontName);
        current.fontName.assign(fontName);
        state.polylineActive = false;
    } else if (key.starts_with("cn")) {
        const std::int32_t sizeNo = TextToInteger(From(key, 2));
        const bool withFreeSize = sizeNo == 0 && n >= 5;
        const TextSize freeSize = withFreeSize ? TextSize{Real(fields, 1), Real(fields, 2),
                                                          Real(fields, 3), Integer(fields, 4)}
                                               : current.freeSize;
        if (TakeFirstValue(state, kPendingSizeNo)) {
            initial.initialSizeNo = sizeNo;
            if (withFreeSize) initial.initialFreeSize = freeSize;
        }
        current.sizeNo = sizeNo;
        current.freeSize = freeSize;
        state.polylineActive = false;
    } else if (key.starts_with("cc")) {
        const std::int32_t value = TextToInteger(key.substr(2, 1));
        current.ccValue = value >= 0 && value <= 8 ? value : 0;
        state.polylineActive = false;
    } else if (key.size() == 2 && key[0] == 'z' && key[1] >= '1' && key[1] <= '5') {
        current.zFlags |= 1 << (key[1] - '1');
    } else if (key.starts_with("pn")) {
        current.pointColour = TextToInteger(From(key, 2));
        state.polylineActive = false;
    } else if (key == "pl") {
        ++state.polylineCount;
        state.polylineActive = true;
        state.msgActive = false;
    } else if (key == "msg") {
        state.msgActive = true;
        state.polylineActive = false;
    } else if (key == "#") {
        state.polylineActive = false;
        state.msgActive = false;
    } else {
        return false;
    }
    return true;
}

// "hp<number>[-|ln|ci|ch] x y": the suffix gives the mark and ends the number.
// Each suffix is looked for in the whole key; a later hit overrides an earlier.
void ReadIndicatedPoint(EntityStore& store, const LineFields& fields) {
    const string_view key = fields[0];
    string_view number = key.substr(2);
    std::int32_t mark = 0;
    const auto cutAt = [&](string_view suffix, std::int32_t suffixMark) {
        const std::size_t position = key.find(suffix);
        if (position == string_view::npos) return;
        number = key.substr(2, position - 2);  // the key begins "hp", so position >= 2
        mark = suffixMark;
    };
    cutAt("-", 1);
    cutAt("ln", 2);
    cutAt("ci", 3);
    cutAt("ch", 4);
    const std::int32_t index = TextToInteger(number);
    if (index < 1 || index > 99) return;
    store.indicatedPoints[static_cast<std::size_t>(index)] =
        IndicatedPoint{true, Real(fields, 1), Real(fields, 2), mark};
    ++store.indicatedPointCount;
}

// "hhp<number>[ln|ci|ch]": the number of the point the next entity refers to.
void ReadPointReference(ReaderState& state, string_view key) {
    string_view number = key.substr(3);
    for (const string_view suffix : {string_view("ln"), string_view("ci"), string_view("ch")}) {
        const std::size_t position = key.find(suffix);
        if (position != string_view::npos && position >= 4) number = key.substr(3, position - 3);
    }
    state.current.pointRef = TextToInteger(number);
}

// Fills a text record (kind 4, or the text of a dimension) whose header is stamped.
void FillText(const EntityStore& store, const ReaderState& state, TextRecord& text,
              std::int32_t textKind, const LineFields& fields) {
    const CurrentAttributes& current = state.current;
    text.textKind = textKind;
    text.ccValue = current.ccValue;
    text.sizeNo = current.sizeNo;
    const TextSize& size = current.sizeNo >= 1 && current.sizeNo <= 10
                               ? store.TextSizeTable[static_cast<std::size_t>(current.sizeNo)]
                               : current.freeSize;
    text.charWidth = size.charWidth;
    text.charHeight = size.charHeight;
    text.charSpacing = size.charSpacing;
    text.header.colour = size.colour;
    text.x = Real(fields, 1);
    text.y = Real(fields, 2);
    text.dx = Real(fields, 3);
    text.dy = Real(fields, 4);
    text.fontName.Assign(current.fontName);
    text.text.Assign(fields[5]);
}

void ReadText(EntityStore& store, ReaderState& state, std::int32_t textKind,
              const LineFields& fields) {
    if (state.msgActive && textKind == 2) {
        DimensionRecord& dimension = AddEntity<EntityKind::Dimension>(store, state.current);
        dimension.line = state.pendingDimensionLine;
        dimension.line.polylineNo = 0;
        StampHeader(state.current, dimension.text.header);
        FillText(store, state, dimension.text, 2, fields);
    } else {
        FillText(store, state, AddEntity<EntityKind::Text>(store, state.current), textKind, fields);
    }
}

struct Corner {
    double x;
    double y;
};

bool SameCorner(Corner a, Corner b) noexcept {
    return std::fabs(a.x - b.x) <= kSameCornerTolerance &&
           std::fabs(a.y - b.y) <= kSameCornerTolerance;
}

Corner CornerAt(const LineFields& fields, std::size_t xIndex) noexcept {
    return {Real(fields, xIndex), Real(fields, xIndex + 1)};
}

void AddSolidSegment(EntityStore& store, ReaderState& state, Corner a, Corner b) {
    SolidSegmentRecord& solid = AddEntity<EntityKind::SolidSegment>(store, state.current);
    solid.rgbColour = state.current.rgbColour;
    solid.x1 = a.x;
    solid.y1 = a.y;
    solid.x2 = b.x;
    solid.y2 = b.y;
}

void AddTriangle(EntityStore& store, ReaderState& state, Corner a, Corner b, Corner c) {
    TriangleSolidRecord& solid = AddEntity<EntityKind::TriangleSolid>(store, state.current);
    solid.rgbColour = state.current.rgbColour;
    solid.x1 = a.x;
    solid.y1 = a.y;
    solid.x2 = b.x;
    solid.y2 = b.y;
    solid.x3 = c.x;
    solid.y3 = c.y;
}

void AddQuad(EntityStore& store, ReaderState& state, Corner a, Corner b, Corner c, Corner d) {
    QuadSolidRecord& solid = AddEntity<EntityKind::QuadSolid>(store, state.current);
    solid.rgbColour = state.current.rgbColour;
    solid.x1 = a.x;
    solid.y1 = a.y;
    solid.x2 = b.x;
    solid.y2 = b.y;
    solid.x3 = c.x;
    solid.y3 = c.y;
    solid.x4 = d.x;
    solid.y4 = d.y;
}

// "sl" with three corners: coinciding corners leave a solid segment.
void ReadThreeCornerSolid(EntityStore& store, ReaderState& state, const LineFields& fields) {
    const Corner p1 = CornerAt(fields, 1), p2 = CornerAt(fields, 3), p3 = CornerAt(fields, 5);
    if (SameCorner(p1, p2)) {
        AddSolidSegment(store, state, p1, p3);
    } else if (SameCorner(p2, p3)) {
        AddSolidSegment(store, state, p1, p2);
    } else {
        AddTriangle(store, state, p1, p2, p3);
    }
}

// "sl" with four corners: reduced to a solid segment or a triangle when corners coincide.
void ReadFourCornerSolid(EntityStore& store, ReaderState& state, const LineFields& fields) {
    const Corner p1 = CornerAt(fields, 1), p2 = CornerAt(fields, 3);
    const Corner p3 = CornerAt(fields, 5), p4 = CornerAt(fields, 7);
    if (SameCorner(p1, p2) && SameCorner(p1, p3)) {
        AddSolidSegment(store, state, p1, p4);
    } else if (SameCorner(p2, p3) && SameCorner(p2, p4)) {
        AddSolidSegment(store, state, p1, p2);
    } else if (SameCorner(p1, p2) && SameCorner(p3, p4)) {
        AddSolidSegment(store, state, p1, p3);
    } else if (SameCorner(p4, p1) || SameCorner(p4, p2) || SameCorner(p4, p3)) {
        AddTriangle(store, state, p1, p2, p3);
    } else if (SameCorner(p3, p1) || SameCorner(p3, p2)) {
        AddTriangle(store, state, p1, p2, p4);
    } else if (SameCorner(p2, p1)) {
        AddTriangle(store, state, p1, p3, p4);
    } else {
        AddQuad(store, state, p1, p2, p3, p4);
    }
}

template <EntityKind K>
void ReadCircleSolid(EntityStore& store, ReaderState& state, const LineFields& fields) {
    CircleSolidRecord& solid = AddEntity<K>(store, state.current);
    solid.rgbColour = state.current.rgbColour;
    solid.cx = Real(fields, 1);
    solid.cy = Real(fields, 2);
    solid.radius = Real(fields, 3);
    solid.flatness = Real(fields, 4);
    solid.tilt = Real(fields, 5);
    solid.startAngle = Real(fields, 6);
    solid.arcAngle = Real(fields, 7);
    solid.solidMode = Integer(fields, 8);
}

template <EntityKind K>
void ReadRingSolid(EntityStore& store, ReaderState& state, const LineFields& fields) {
    RingSolidRecord& solid = AddEntity<K>(store, state.current);
    solid.rgbColour = state.current.rgbColour;
    solid.cx = Real(fields, 1);
    solid.cy = Real(fields, 2);
    solid.radius = Real(fields, 3);
    solid.flatness = Real(fields, 4);
    solid.tilt = Real(fields, 5);
    solid.startAngle = Real(fields, 6);
    solid.arcAngle = Real(fields, 7);
    solid.radius2 = Real(fields, 8);
}

// Entities with a key; returns false when no entity key fits with its field count.
bool ApplyEntityRule(EntityStore& store, ReaderState& state, const LineFields& fields) {
    const string_view key = fields[0];
    const std::size_t n = fields.count;

    if (key == "ci" && n == 4) {
        CircleRecord& circle = AddEntity<EntityKind::Circle>(store, state.current);
        circle.cx = Real(fields, 1);
        circle.cy = Real(fields, 2);
        circle.radius = Real(fields, 3);
    } else if (key == "ci" && n >= 8) {
        ArcRecord& arc = AddEntity<EntityKind::Arc>(store, state.current);
        arc.cx = Real(fields, 1);
        arc.cy = Real(fields, 2);
        arc.radius = Real(fields, 3);
        arc.arcValue4 = Real(fields, 4);
        arc.arcValue5 = Real(fields, 5);
        arc.arcValue6 = Real(fields, 6);
        arc.arcValue7 = Real(fields, 7);
    } else if (const std::int32_t textKind = TextKindOf(key); textKind >= 0 && n >= 6) {
        ReadText(store, state, textKind, fields);
    } else if (key == "pt" && n == 3) {
        PointRecord& point = AddEntity<EntityKind::Point>(store, state.current);
        point.header.colour = state.current.pointColour;
        point.x = Real(fields, 1);
        point.y = Real(fields, 2);
    } else if (key == "pt" && n >= 6) {
        PointExRecord& point = AddEntity<EntityKind::PointEx>(store, state.current);
        point.header.colour = state.current.pointColour;
        point.x = Real(fields, 1);
        point.y = Real(fields, 2);
        point.param3 = Real(fields, 3);
        point.param4 = Real(fields, 4);
        point.code = Integer(fields, 5);
    } else if (key == "BL" && n >= 4) {
        TJwwEntBlk& block = AddEntity<EntityKind::Block>(store, state.current);
        block.x = Real(fields, 1);
        block.y = Real(fields, 2);
        block.name.assign(fields[3]);
    } else if (key == "sl" && n == 5) {
        AddSolidSegment(store, state, CornerAt(fields, 1), CornerAt(fields, 3));
    } else if (key == "sl" && n == 7) {
        ReadThreeCornerSolid(store, state, fields);
    } else if (key == "sl" && n >= 9) {
        ReadFourCornerSolid(store, state, fields);
    } else if (key == "sc" && n >= 9) {
        ReadCircleSolid<EntityKind::CircleSolid>(store, state, fields);
    } else if (key == "se" && n >= 9) {
        ReadCircleSolid<EntityKind::SeCircleSolid>(store, state, fields);
    } else if (key == "so" && n >= 9) {
        ReadRingSolid<EntityKind::RingSolid>(store, state, fields);
    } else if (key == "sg" && n >= 9) {
        ReadRingSolid<EntityKind::ConstantWidthRingSolid>(store, state, fields);
    } else {
        return false;
    }
    FinishEntity(state);
    return true;
}

// Four fields that no key claimed are a line segment, or the line
// of the dimension that a "msg" line opened.
void ReadLineOfFourFields(EntityStore& store, ReaderState& state, const LineFields& fields) {
    LineRecord* line = &state.pendingDimensionLine;
    if (state.msgActive) {
        StampHeader(state.current, line->header);
        line->polylineNo = 0;
    } else {
        line = &AddEntity<EntityKind::Line>(store, state.current);
        line->polylineNo = state.polylineActive ? state.polylineCount : 0;
    }
    line->x1 = Real(fields, 0);
    line->y1 = Real(fields, 1);
    line->x2 = Real(fields, 2);
    line->y2 = Real(fields, 3);
    state.current.zFlags = 0;
    state.current.pointRef = 0;
}

bool IsLetter(char c) noexcept { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

}  // namespace

void ApplyLineRules(EntityStore& store, ReaderState& state, const LineFields& fields) {
    const string_view key = fields[0];
    if (fields.count == 1 && key.empty()) return;

    if (key.find("file=") != string_view::npos) {
        store.fileName.assign(From(key, 5));
        return;
    }
    // Every other key begins with a letter or is "#"; the most common lines,
    // the line segments, begin with a number and go straight to the test for four fields.
    if (!key.empty() && (IsLetter(key[0]) || key[0] == '#')) {
        if (ApplyHeaderRule(store, state, fields) || ApplyAttributeRule(store, state, fields))
            return;
        if (key.starts_with("hp") && fields.count >= 3) {
            ReadIndicatedPoint(store, fields);
            return;
        }
        if (key.starts_with("hhp")) {
            ReadPointReference(state, key);
            return;
        }
        if (ApplyEntityRule(store, state, fields)) return;
    }
    if (fields.count == 4) ReadLineOfFourFields(store, state, fields);
}

}  // namespace rv17
