// The drawing handed over in the exchange file, held in memory for one run:
// header values, the first attributes met, one list of records per entity
// kind and the order in which the entities stood in the file. The reader
// fills it; everything after reading only reads it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "exchange/BlockList.h"

namespace rv17 {

enum class EntityKind : std::int32_t {
    Line = 1,
    Circle = 2,
    Arc = 3,
    Text = 4,
    Point = 5,
    PointEx = 6,
    Dimension = 7,
    Block = 8,
    SolidSegment = 9,
    TriangleSolid = 10,
    QuadSolid = 11,
    CircleSolid = 12,
    SeCircleSolid = 13,
    RingSolid = 14,
    ConstantWidthRingSolid = 15,
};

// An array of N copies of value.
template <std::size_t N, class T>
constexpr std::array<T, N> Filled(const T& value) noexcept {
    std::array<T, N> values{};
    values.fill(value);
    return values;
}

// A fixed slot of at most 255 bytes of Shift-JIS text inside a record.
struct ShortText {
    static constexpr std::size_t kMaxBytes = 255;

    std::uint8_t length;
    char bytes[kMaxBytes];

    // Stores the text, cut to 255 bytes without splitting a double-byte character.
    void Assign(std::string_view text) noexcept;
    std::string_view View() const noexcept { return {bytes, length}; }
};

// The seven attributes that open every record.
struct EntityHeader {
    std::int32_t pointRef;
    std::int32_t layerGroup;
    std::int32_t layer;
    std::int32_t colour;
    std::int32_t lineType;
    std::int32_t lineWidth;
    std::int32_t zFlags;  // bit 0 "z1" ... bit 4 "z5"
};

struct LineRecord {
    EntityHeader header;
    std::int32_t polylineNo;
    double x1, y1, x2, y2;
};

struct CircleRecord {
    EntityHeader header;
    double cx, cy, radius;
};

struct ArcRecord {
    EntityHeader header;
    double cx, cy, radius, arcValue4, arcValue5, arcValue6, arcValue7;
};

struct TextRecord {
    EntityHeader header;
    std::int32_t textKind;  // 0 "ch" ... 9 "c2"
    std::int32_t ccValue;
    std::int32_t sizeNo;
    double charWidth, charHeight, charSpacing;
    double x, y, dx, dy;
    ShortText fontName;
    ShortText text;
};

struct PointRecord {
    EntityHeader header;
    double x, y;
};

struct PointExRecord {
    EntityHeader header;
    double x, y, param3, param4;
    std::int32_t code;
};

struct DimensionRecord {
    EntityHeader header;
    LineRecord line;
    TextRecord text;
};

struct TJwwEntBlk {
    EntityHeader header;
    double x, y;
    std::string name;
};

struct SolidSegmentRecord {
    EntityHeader header;
    std::int32_t rgbColour;
    double x1, y1, x2, y2;
};

struct TriangleSolidRecord {
    EntityHeader header;
    std::int32_t rgbColour;
    double x1, y1, x2, y2, x3, y3;
};

struct QuadSolidRecord {
    EntityHeader header;
    std::int32_t rgbColour;
    double x1, y1, x2, y2, x3, y3, x4, y4;
};

// How a circular solid's arc is closed. The record keeps the number as read;
// any number not named here closes nothing: the figure is the whole curve.
enum class CircleSolidMode : std::int32_t {
    BetweenArcAndChord = 5,
    Sector = 0,
    TangentCorner = -1,  // between the arc and the tangents at its ends
    WholeCurve = 100,
};

struct CircleSolidRecord {
    EntityHeader header;
    std::int32_t rgbColour;
    double cx, cy, radius, flatness, tilt, startAngle, arcAngle;
    std::int32_t solidMode;

    CircleSolidMode Mode() const noexcept { return static_cast<CircleSolidMode>(solidMode); }
};

struct RingSolidRecord {
    EntityHeader header;
    std::int32_t rgbColour;
    double cx, cy, radius, flatness, tilt, startAngle, arcAngle, radius2;
};

// One entry of EntityOrder: an entity's kind and its 0-based index in that kind's list.
struct EntityOrderEntry {
    EntityKind kind;
    std::int32_t index;
};

struct TextSize {
    double charWidth;
    double charHeight;
    double charSpacing;
    std::int32_t colour;
};

struct IndicatedPoint {
    bool defined;
    double x;
    double y;
    std::int32_t mark;  // 0 plain, 1 "-", 2 "ln", 3 "ci", 4 "ch"
};

// The first value of each attribute met in the file.
struct InitialAttributes {
    std::int32_t initialLayerGroup = 0;
    std::int32_t initialLayer = 0;
    std::int32_t initialColour = 1;
    std::int32_t initialLineType = 1;
    std::int32_t initialLineWidth = 0;
    std::int32_t initialSizeNo = 1;
    TextSize initialFreeSize{2.0, 2.0, 0.0, 1};
    std::string initialFontName;
};

// The font name that the reader and the writer start from: "<ＭＳ ゴシック>" in Shift-JIS.
extern const std::string_view kDefaultFontName;

// Indexes into CurrentAttributes::pendingFlags.
enum PendingFlag : std::size_t {
    kPendingLayerGroup = 0,
    kPendingLayer,
    kPendingColour,
    kPendingLineType,
    kPendingLineWidth,
    kPendingSizeNo,
    kPendingCcValue,
    kPendingFontName,
    kPendingPointColour,
    kPendingRgbColour,
    kPendingFlagCount,
};

// For the reader: the attributes in force. For the output writer: the values
// last written and which attributes must be written whatever their value.
struct CurrentAttributes {
    std::int32_t pointRef = 0;
    std::int32_t layerGroup = 0;
    std::int32_t layer = 0;
    std::int32_t colour = 1;
    std::int32_t lineType = 1;
    std::int32_t lineWidth = 0;
    std::int32_t sizeNo = 1;
    TextSize freeSize{2.0, 2.0, 0.0, 1};
    std::int32_t ccValue = 0;
    std::string fontName{kDefaultFontName};
    std::int32_t zFlags = 0;
    std::int32_t pointColour = 1;
    std::int32_t rgbColour = 0;
    std::array<bool, kPendingFlagCount> pendingFlags{};
};

struct EntityStore {
    // Header values of the host's drawing.
    std::string fileName;
    double hkValue = 0.0;
    std::array<double, 16> groupScale = Filled<16>(1.0);
    double sheetWidth = 1189.0;
    double sheetHeight = 841.0;
    std::array<TextSize, 11> TextSizeTable = Filled<11>(TextSize{3.0, 3.0, 0.0, 2});  // 1..10 used
    bool bzFlag = false;
    std::array<double, 4> hnValues{};
    std::array<std::int32_t, 356> hrgbValues{};
    std::array<std::string, 16> layerGroupNames;
    std::array<std::array<std::string, 16>, 16> layerNames;
    std::array<std::int32_t, 16> layerGroupValue{};
    std::array<std::array<std::int32_t, 16>, 16> layerValue{};
    std::array<IndicatedPoint, 100> indicatedPoints{};  // entries 1..99 are used
    std::int32_t indicatedPointCount = 0;
    bool lineWidthSeen = false;

    InitialAttributes initial;

    BlockList<EntityOrderEntry> EntityOrder;
    BlockList<LineRecord> lines;
    BlockList<CircleRecord> circles;
    BlockList<ArcRecord> arcs;
    BlockList<TextRecord> texts;
    BlockList<PointRecord> points;
    BlockList<PointExRecord> pointExs;
    BlockList<DimensionRecord> dimensions;
    BlockList<TJwwEntBlk> blocks;
    BlockList<SolidSegmentRecord> solidSegments;
    BlockList<TriangleSolidRecord> triangleSolids;
    BlockList<QuadSolidRecord> quadSolids;
    BlockList<CircleSolidRecord> circleSolids;
    BlockList<CircleSolidRecord> seCircleSolids;
    BlockList<RingSolidRecord> ringSolids;
    BlockList<RingSolidRecord> constantWidthRingSolids;
};

// Maps each kind to its record type and its list in the store. An object of
// KindTraits<K> names the kind K where a kind list is walked.
template <EntityKind K>
struct KindTraits;
#define RV17_KIND_TRAITS(kind, Record, member)                                                   \
    template <>                                                                                  \
    struct KindTraits<EntityKind::kind> {                                                        \
        static constexpr EntityKind kKind = EntityKind::kind;                                    \
        using RecordType = Record;                                                               \
        static BlockList<Record>& List(EntityStore& s) noexcept { return s.member; }             \
        static const BlockList<Record>& List(const EntityStore& s) noexcept { return s.member; } \
    };
RV17_KIND_TRAITS(Line, LineRecord, lines)
RV17_KIND_TRAITS(Circle, CircleRecord, circles)
RV17_KIND_TRAITS(Arc, ArcRecord, arcs)
RV17_KIND_TRAITS(Text, TextRecord, texts)
RV17_KIND_TRAITS(Point, PointRecord, points)
RV17_KIND_TRAITS(PointEx, PointExRecord, pointExs)
RV17_KIND_TRAITS(Dimension, DimensionRecord, dimensions)
RV17_KIND_TRAITS(Block, TJwwEntBlk, blocks)
RV17_KIND_TRAITS(SolidSegment, SolidSegmentRecord, solidSegments)
RV17_KIND_TRAITS(TriangleSolid, TriangleSolidRecord, triangleSolids)
RV17_KIND_TRAITS(QuadSolid, QuadSolidRecord, quadSolids)
RV17_KIND_TRAITS(CircleSolid, CircleSolidRecord, circleSolids)
RV17_KIND_TRAITS(SeCircleSolid, CircleSolidRecord, seCircleSolids)
RV17_KIND_TRAITS(RingSolid, RingSolidRecord, ringSolids)
RV17_KIND_TRAITS(ConstantWidthRingSolid, RingSolidRecord, constantWidthRingSolids)
#undef RV17_KIND_TRAITS

// A list of kinds, walked at compile time.
template <EntityKind... Kinds>
struct KindList {};

using AllKinds = KindList<EntityKind::Line, EntityKind::Circle, EntityKind::Arc, EntityKind::Text,
                          EntityKind::Point, EntityKind::PointEx, EntityKind::Dimension,
                          EntityKind::Block, EntityKind::SolidSegment, EntityKind::TriangleSolid,
                          EntityKind::QuadSolid, EntityKind::CircleSolid, EntityKind::SeCircleSolid,
                          EntityKind::RingSolid, EntityKind::ConstantWidthRingSolid>;

// The solids that a conversion replaces with hatch lines.
using HatchableKinds =
    KindList<EntityKind::TriangleSolid, EntityKind::QuadSolid, EntityKind::CircleSolid,
             EntityKind::RingSolid, EntityKind::ConstantWidthRingSolid>;

template <EntityKind... Kinds>
constexpr bool ListHoldsKind(KindList<Kinds...>, EntityKind kind) noexcept {
    return ((kind == Kinds) || ...);
}

constexpr bool IsHatchableKind(EntityKind kind) noexcept {
    return ListHoldsKind(HatchableKinds{}, kind);
}

// Calls visit(KindTraits<K>{}) for each kind K of the list, in the list's order.
template <EntityKind... Kinds, class Visitor>
void ForEachKind(KindList<Kinds...>, Visitor&& visit) {
    (visit(KindTraits<Kinds>{}), ...);
}

// Calls visit(KindTraits<K>{}) for the kind K of the list that equals kind;
// nothing for a kind the list does not hold.
template <EntityKind... Kinds, class Visitor>
void VisitKind(KindList<Kinds...>, EntityKind kind, Visitor&& visit) {
    static_cast<void>(((kind == Kinds ? (visit(KindTraits<Kinds>{}), true) : false) || ...));
}

// The same, returning what visit returns, or otherwise for a kind the list
// does not hold.
template <class Kinds, class Visitor, class Result>
Result VisitKind(Kinds kinds, EntityKind kind, Visitor&& visit, Result otherwise) {
    Result result = otherwise;
    VisitKind(kinds, kind, [&](auto traits) { result = visit(traits); });
    return result;
}

// Gives every value of the store its default (those written above) and
// empties all lists.
void InitialiseStore(EntityStore& store);
// Frees the store's lists and tables.
void ReleaseStore(EntityStore& store);
void AppendOrder(EntityStore& store, EntityKind kind, std::int32_t index);
// Copies pointRef, layerGroup, layer, colour, lineType, lineWidth and zFlags of
// the attributes in force into the header.
void StampHeader(const CurrentAttributes& current, EntityHeader& header) noexcept;

// Appends a zero-filled record of kind K, records it in EntityOrder and stamps
// its header with the attributes in force.
template <EntityKind K>
typename KindTraits<K>::RecordType& AddEntity(EntityStore& store,
                                              const CurrentAttributes& current) {
    auto& list = KindTraits<K>::List(store);
    AppendOrder(store, K, static_cast<std::int32_t>(list.Count()));
    auto& record = list.Append();
    StampHeader(current, record.header);
    return record;
}

template <EntityKind K>
const typename KindTraits<K>::RecordType& Entity(const EntityStore& store, std::size_t index) {
    return KindTraits<K>::List(store)[index];
}

std::size_t EntityCount(const EntityStore& store, EntityKind kind) noexcept;
// The number of hatchable solids: kinds 10, 11, 12, 14 and 15.
std::int32_t SolidCount(const EntityStore& store) noexcept;

}  // namespace rv17
