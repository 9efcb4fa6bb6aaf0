// Re-emit operations: a stored record through the attribute emitters (so the
// change tracking decides which lines appear) and then its figure emitter.
#include "exchange/EntityWriteBack.h"

#include "exchange/AttributeEmitters.h"
#include "exchange/ColourNumbers.h"
#include "exchange/EntityEmitters.h"
#include "exchange/ExchangeWriter.h"

namespace rv17 {

namespace {

constexpr std::int32_t kAsStored = -1;
constexpr std::int32_t kFreeSizeNo = 0;
// "se" solids go back on this layer of their layer group.
constexpr std::int32_t kSeCircleSolidLayer = 1;

std::int32_t LayerOrStored(std::int32_t replacement, std::int32_t stored) noexcept {
    return replacement >= 0 && replacement <= 15 ? replacement : stored;
}

std::int32_t OverrideOrStored(std::int32_t replacement, std::int32_t stored) noexcept {
    return replacement != kAsStored ? replacement : stored;
}

void EmitLayers(EntityStore& store, const EntityHeader& header, const ReemitOverrides& overrides) {
    EmitLayerGroup(store, LayerOrStored(overrides.layerGroup, header.layerGroup));
    EmitLayer(store, LayerOrStored(overrides.layer, header.layer));
}

// Colour, line type and width of the line-like kinds (1, 2, 3 and a dimension's line).
void EmitPen(EntityStore& store, const EntityHeader& header, const ReemitOverrides& overrides) {
    EmitColour(store, OverrideOrStored(overrides.colour, header.colour));
    EmitLineType(store, OverrideOrStored(overrides.lineType, header.lineType));
    EmitLineWidth(store, OverrideOrStored(overrides.lineWidth, header.lineWidth));
}

// The z flags belong to the one figure that follows them: the reader clears
// them after every figure. A figure that its emitter drops therefore writes
// none, or they would pass to the next figure written. Its other attribute
// lines only set state and stay.
void EmitZFlagsOfFigure(EntityStore& store, std::int32_t zFlags, bool figureWritten) {
    if (figureWritten) EmitZFlags(store, zFlags);
}

void EmitLineKindAttributes(EntityStore& store, const EntityHeader& header,
                            const ReemitOverrides& overrides, bool figureWritten) {
    EmitLayers(store, header, overrides);
    EmitPen(store, header, overrides);
    EmitZFlagsOfFigure(store, header.zFlags, figureWritten);
}

// Size number, cc value and font of a text. A colour override cannot go with a
// size number, whose colour the host's size table fixes, so it writes a free size.
void EmitTextAttributes(EntityStore& store, const TextRecord& text,
                        const ReemitOverrides& overrides) {
    if (overrides.textColour != kAsStored) {
        EmitTextSize(store, kFreeSizeNo, overrides.textColour, text.charWidth, text.charHeight,
                     text.charSpacing);
    } else {
        EmitTextSize(store, text.sizeNo, text.header.colour, text.charWidth, text.charHeight,
                     text.charSpacing);
    }
    EmitCcValue(store, OverrideOrStored(overrides.ccValue, text.ccValue));
    EmitFontName(store, text.fontName.View());
}

void EmitPointAttributes(EntityStore& store, const EntityHeader& header,
                         const ReemitOverrides& overrides) {
    EmitLayers(store, header, overrides);
    EmitPointColour(store, OverrideOrStored(overrides.pointColour, header.colour));
    EmitLineWidth(store, OverrideOrStored(overrides.lineWidth, header.lineWidth));
    EmitZFlags(store, header.zFlags);  // a point is always written
}

// Solids of kinds 9 and 13 carry no line type.
void EmitSolidAttributes(EntityStore& store, const EntityHeader& header, std::int32_t rgbColour,
                         const ReemitOverrides& overrides, bool figureWritten) {
    EmitLayers(store, header, overrides);
    if (overrides.colour == kAsStored) {
        if (header.colour == kRgbColour) {
            EmitRgbColour(store, rgbColour);
        } else {
            EmitColour(store, header.colour);
        }
    } else if (overrides.colour == kRgbColour) {
        EmitRgbColour(store, OverrideOrStored(overrides.rgbColour, rgbColour));
    } else {
        EmitColour(store, overrides.colour);
    }
    EmitLineWidth(store, OverrideOrStored(overrides.lineWidth, header.lineWidth));
    EmitZFlagsOfFigure(store, header.zFlags, figureWritten);
}

// The record at index, or nullptr when the list is shorter.
template <EntityKind K>
const typename KindTraits<K>::RecordType* RecordAt(const EntityStore& store,
                                                   std::size_t index) noexcept {
    const auto& list = KindTraits<K>::List(store);
    return index < list.Count() ? &list[index] : nullptr;
}

// The figure of the EntityOrder entry at i when it is a line segment, else nullptr.
const LineRecord* LineAt(const EntityStore& store, std::size_t i) noexcept {
    const EntityOrderEntry entry = store.EntityOrder[i];
    if (entry.kind != EntityKind::Line || entry.index < 0) return nullptr;
    return RecordAt<EntityKind::Line>(store, static_cast<std::size_t>(entry.index));
}

// Segments of one curve share the attributes that the host writes before "pl":
// an attribute line between them would end the curve when it is read back.
bool SameCurvePen(const EntityHeader& a, const EntityHeader& b) noexcept {
    return a.layerGroup == b.layerGroup && a.layer == b.layer && a.colour == b.colour &&
           a.lineType == b.lineType && a.lineWidth == b.lineWidth;
}

// The end of the run of entries from `first` that the host handed over as one
// curve: consecutive line segments of the same curve number and pen.
std::size_t CurveRunEnd(const EntityStore& store, std::size_t first) {
    const LineRecord& start = *LineAt(store, first);
    std::size_t end = first + 1;
    for (; end < store.EntityOrder.Count(); ++end) {
        const LineRecord* next = LineAt(store, end);
        if (next == nullptr || next->polylineNo != start.polylineNo ||
            !SameCurvePen(next->header, start.header))
            break;
    }
    return end;
}

// Writes entries [first, end) as one curve: the first segment's attribute
// lines, "pl", each segment with its own z flags, "#". A run in which no
// segment can be written is written as loose segments, so that no empty
// curve appears.
void WriteBackCurve(EntityStore& store, std::size_t first, std::size_t end) {
    bool anyWritable = false;
    for (std::size_t i = first; i < end && !anyWritable; ++i) {
        const LineRecord& line = *LineAt(store, i);
        anyWritable = IsWritableSegment(line.x1, line.y1, line.x2, line.y2);
    }
    if (!anyWritable) {
        for (std::size_t i = first; i < end; ++i)
            ReemitLine(store, static_cast<std::size_t>(store.EntityOrder[i].index));
        return;
    }
    const EntityHeader& pen = LineAt(store, first)->header;
    EmitLayers(store, pen, {});
    EmitPen(store, pen, {});
    AppendOutputLine(store, "pl");
    for (std::size_t i = first; i < end; ++i) {
        const LineRecord& line = *LineAt(store, i);
        EmitZFlagsOfFigure(store, line.header.zFlags,
                           IsWritableSegment(line.x1, line.y1, line.x2, line.y2));
        EmitLine(store, line.x1, line.y1, line.x2, line.y2);
    }
    AppendOutputLine(store, "#");
}

}  // namespace

void ReemitLine(EntityStore& store, std::size_t index, const ReemitOverrides& overrides) {
    const LineRecord* line = RecordAt<EntityKind::Line>(store, index);
    if (line == nullptr) return;
    EmitLineKindAttributes(store, line->header, overrides,
                           IsWritableSegment(line->x1, line->y1, line->x2, line->y2));
    EmitLine(store, line->x1, line->y1, line->x2, line->y2);
}

void ReemitCircle(EntityStore& store, std::size_t index, const ReemitOverrides& overrides) {
    const CircleRecord* circle = RecordAt<EntityKind::Circle>(store, index);
    if (circle == nullptr) return;
    EmitLineKindAttributes(store, circle->header, overrides, IsWritableCircle(circle->radius));
    EmitCircle(store, circle->cx, circle->cy, circle->radius);
}

void ReemitArc(EntityStore& store, std::size_t index, const ReemitOverrides& overrides) {
    const ArcRecord* arc = RecordAt<EntityKind::Arc>(store, index);
    if (arc == nullptr) return;
    EmitLineKindAttributes(store, arc->header, overrides,
                           IsWritableArc(arc->radius, arc->arcValue6));
    EmitArc(store, arc->cx, arc->cy, arc->radius, arc->arcValue4, arc->arcValue5, arc->arcValue6,
            arc->arcValue7);
}

void ReemitText(EntityStore& store, std::size_t index, const ReemitOverrides& overrides) {
    const TextRecord* text = RecordAt<EntityKind::Text>(store, index);
    if (text == nullptr) return;
    EmitLayers(store, text->header, overrides);
    EmitTextAttributes(store, *text, overrides);
    EmitZFlagsOfFigure(store, text->header.zFlags,
                       IsWritableText(text->text.View(), text->dx, text->dy));
    EmitText(store, text->textKind, text->text.View(), text->x, text->y, text->dx, text->dy);
}

void ReemitPoint(EntityStore& store, std::size_t index, const ReemitOverrides& overrides) {
    const PointRecord* point = RecordAt<EntityKind::Point>(store, index);
    if (point == nullptr) return;
    EmitPointAttributes(store, point->header, overrides);
    EmitPoint(store, point->x, point->y);
}

void ReemitParameterPoint(EntityStore& store, std::size_t index, const ReemitOverrides& overrides) {
    const PointExRecord* point = RecordAt<EntityKind::PointEx>(store, index);
    if (point == nullptr) return;
    EmitPointAttributes(store, point->header, overrides);
    EmitParameterPoint(store, point->code, point->x, point->y, point->param3, point->param4);
}

void ReemitDimension(EntityStore& store, std::size_t index, const ReemitOverrides& overrides) {
    const DimensionRecord* dimension = RecordAt<EntityKind::Dimension>(store, index);
    if (dimension == nullptr) return;
    const LineRecord& line = dimension->line;
    const TextRecord& text = dimension->text;
    EmitLayers(store, dimension->header, overrides);
    EmitPen(store, line.header, overrides);
    EmitTextAttributes(store, text, overrides);
    EmitZFlagsOfFigure(store, dimension->header.zFlags,
                       IsWritableDimension(line.x1, line.y1, line.x2, line.y2, text.dx, text.dy));
    EmitDimension(store, text.text.View(), line.x1, line.y1, line.x2, line.y2, text.x, text.y,
                  text.dx, text.dy);
}

void ReemitSolidSegment(EntityStore& store, std::size_t index, const ReemitOverrides& overrides) {
    const SolidSegmentRecord* solid = RecordAt<EntityKind::SolidSegment>(store, index);
    if (solid == nullptr) return;
    EmitSolidAttributes(store, solid->header, solid->rgbColour, overrides,
                        IsWritableSegment(solid->x1, solid->y1, solid->x2, solid->y2));
    EmitSolidSegment(store, solid->x1, solid->y1, solid->x2, solid->y2);
}

void ReemitCircleSolid(EntityStore& store, std::size_t index, const ReemitOverrides& overrides) {
    const CircleSolidRecord* solid = RecordAt<EntityKind::SeCircleSolid>(store, index);
    if (solid == nullptr) return;
    EmitSolidAttributes(store, solid->header, solid->rgbColour, overrides,
                        IsWritableCircleSolid(solid->solidMode, solid->radius, solid->flatness));
    EmitCircleSolid(store, solid->solidMode, solid->cx, solid->cy, solid->radius, solid->flatness,
                    solid->tilt, solid->startAngle, solid->arcAngle);
}

void WriteBackEntities(EntityStore& store) {
    const std::size_t count = store.EntityOrder.Count();
    for (std::size_t i = 0; i < count; ++i) {
        const EntityOrderEntry entry = store.EntityOrder[i];
        if (entry.index < 0) continue;
        if (const LineRecord* line = LineAt(store, i); line != nullptr && line->polylineNo != 0) {
            const std::size_t end = CurveRunEnd(store, i);
            WriteBackCurve(store, i, end);
            i = end - 1;
            continue;
        }
        const auto index = static_cast<std::size_t>(entry.index);
        switch (entry.kind) {
            case EntityKind::Line:
                ReemitLine(store, index);
                break;
            case EntityKind::Circle:
                ReemitCircle(store, index);
                break;
            case EntityKind::Arc:
                ReemitArc(store, index);
                break;
            case EntityKind::Text:
                ReemitText(store, index);
                break;
            case EntityKind::Point:
                ReemitPoint(store, index);
                break;
            case EntityKind::PointEx:
                ReemitParameterPoint(store, index);
                break;
            case EntityKind::Dimension:
                ReemitDimension(store, index);
                break;
            case EntityKind::SolidSegment:
                ReemitSolidSegment(store, index);
                break;
            case EntityKind::SeCircleSolid: {
                // The RGB override has no effect here: the stored colour is kept.
                ReemitOverrides seSolid;
                seSolid.layer = kSeCircleSolidLayer;
                seSolid.rgbColour = 0;
                ReemitCircleSolid(store, index, seSolid);
                break;
            }
            case EntityKind::Block:
            case EntityKind::TriangleSolid:
            case EntityKind::QuadSolid:
            case EntityKind::CircleSolid:
            case EntityKind::RingSolid:
            case EntityKind::ConstantWidthRingSolid:
                break;
        }
    }
}

}  // namespace rv17
