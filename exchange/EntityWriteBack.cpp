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

void EmitLayers(OutputWriter& writer, const EntityHeader& header,
                const ReemitOverrides& overrides) {
    EmitLayerGroup(writer, LayerOrStored(overrides.layerGroup, header.layerGroup));
    EmitLayer(writer, LayerOrStored(overrides.layer, header.layer));
}

// Colour, line type and width of the line-like kinds (1, 2, 3 and a dimension's line).
void EmitPen(OutputWriter& writer, const EntityHeader& header, const ReemitOverrides& overrides) {
    EmitColour(writer, OverrideOrStored(overrides.colour, header.colour));
    EmitLineType(writer, OverrideOrStored(overrides.lineType, header.lineType));
    EmitLineWidth(writer, OverrideOrStored(overrides.lineWidth, header.lineWidth));
}

// The z flags belong to the one figure that follows them: the reader clears
// them after every figure. A figure that its emitter drops therefore writes
// none, or they would pass to the next figure written. Its other attribute
// lines only set state and stay.
void EmitZFlagsOfFigure(OutputWriter& writer, std::int32_t zFlags, bool figureWritten) {
    if (figureWritten) EmitZFlags(writer, zFlags);
}

void EmitLineKindAttributes(OutputWriter& writer, const EntityHeader& header,
                            const ReemitOverrides& overrides, bool figureWritten) {
    EmitLayers(writer, header, overrides);
    EmitPen(writer, header, overrides);
    EmitZFlagsOfFigure(writer, header.zFlags, figureWritten);
}

// Size number, cc value and font of a text. A colour override cannot go with a
// size number, whose colour the host's size table fixes, so it writes a free size.
void EmitTextAttributes(OutputWriter& writer, const TextRecord& text,
                        const ReemitOverrides& overrides) {
    if (overrides.textColour != kAsStored) {
        EmitTextSize(writer, kFreeSizeNo, overrides.textColour, text.charWidth, text.charHeight,
                     text.charSpacing);
    } else {
        EmitTextSize(writer, text.sizeNo, text.header.colour, text.charWidth, text.charHeight,
                     text.charSpacing);
    }
    EmitCcValue(writer, OverrideOrStored(overrides.ccValue, text.ccValue));
    EmitFontName(writer, text.fontName.View());
}

void EmitPointAttributes(OutputWriter& writer, const EntityHeader& header,
                         const ReemitOverrides& overrides) {
    EmitLayers(writer, header, overrides);
    EmitPointColour(writer, OverrideOrStored(overrides.pointColour, header.colour));
    EmitLineWidth(writer, OverrideOrStored(overrides.lineWidth, header.lineWidth));
    EmitZFlags(writer, header.zFlags);  // a point is always written
}

// Solids of kinds 9 and 13 carry no line type.
void EmitSolidAttributes(OutputWriter& writer, const EntityHeader& header, std::int32_t rgbColour,
                         const ReemitOverrides& overrides, bool figureWritten) {
    EmitLayers(writer, header, overrides);
    if (overrides.colour == kAsStored) {
        if (header.colour == kRgbColour) {
            EmitRgbColour(writer, rgbColour);
        } else {
            EmitColour(writer, header.colour);
        }
    } else if (overrides.colour == kRgbColour) {
        EmitRgbColour(writer, OverrideOrStored(overrides.rgbColour, rgbColour));
    } else {
        EmitColour(writer, overrides.colour);
    }
    EmitLineWidth(writer, OverrideOrStored(overrides.lineWidth, header.lineWidth));
    EmitZFlagsOfFigure(writer, header.zFlags, figureWritten);
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
void WriteBackCurve(OutputWriter& writer, std::size_t first, std::size_t end) {
    const EntityStore& store = writer.Drawing();
    bool anyWritable = false;
    for (std::size_t i = first; i < end && !anyWritable; ++i) {
        const LineRecord& line = *LineAt(store, i);
        anyWritable = IsWritableSegment(line.x1, line.y1, line.x2, line.y2);
    }
    if (!anyWritable) {
        for (std::size_t i = first; i < end; ++i)
            ReemitLine(writer, static_cast<std::size_t>(store.EntityOrder[i].index));
        return;
    }
    const EntityHeader& pen = LineAt(store, first)->header;
    EmitLayers(writer, pen, {});
    EmitPen(writer, pen, {});
    writer.Line("pl");
    for (std::size_t i = first; i < end; ++i) {
        const LineRecord& line = *LineAt(store, i);
        EmitZFlagsOfFigure(writer, line.header.zFlags,
                           IsWritableSegment(line.x1, line.y1, line.x2, line.y2));
        EmitLine(writer, line.x1, line.y1, line.x2, line.y2);
    }
    writer.Line("#");
}

}  // namespace

void ReemitLine(OutputWriter& writer, std::size_t index, const ReemitOverrides& overrides) {
    const LineRecord* line = RecordAt<EntityKind::Line>(writer.Drawing(), index);
    if (line == nullptr) return;
    EmitLineKindAttributes(writer, line->header, overrides,
                           IsWritableSegment(line->x1, line->y1, line->x2, line->y2));
    EmitLine(writer, line->x1, line->y1, line->x2, line->y2);
}

void ReemitCircle(OutputWriter& writer, std::size_t index, const ReemitOverrides& overrides) {
    const CircleRecord* circle = RecordAt<EntityKind::Circle>(writer.Drawing(), index);
    if (circle == nullptr) return;
    EmitLineKindAttributes(writer, circle->header, overrides, IsWritableCircle(circle->radius));
    EmitCircle(writer, circle->cx, circle->cy, circle->radius);
}

void ReemitArc(OutputWriter& writer, std::size_t index, const ReemitOverrides& overrides) {
    const ArcRecord* arc = RecordAt<EntityKind::Arc>(writer.Drawing(), index);
    if (arc == nullptr) return;
    EmitLineKindAttributes(writer, arc->header, overrides,
                           IsWritableArc(arc->radius, arc->arcValue6));
    EmitArc(writer, arc->cx, arc->cy, arc->radius, arc->arcValue4, arc->arcValue5, arc->arcValue6,
            arc->arcValue7);
}

void ReemitText(OutputWriter& writer, std::size_t index, const ReemitOverrides& overrides) {
    const TextRecord* text = RecordAt<EntityKind::Text>(writer.Drawing(), index);
    if (text == nullptr) return;
    EmitLayers(writer, text->header, overrides);
    EmitTextAttributes(writer, *text, overrides);
    EmitZFlagsOfFigure(writer, text->header.zFlags,
                       IsWritableText(text->text.View(), text->dx, text->dy));
    EmitText(writer, text->textKind, text->text.View(), text->x, text->y, text->dx, text->dy);
}

void ReemitPoint(OutputWriter& writer, std::size_t index, const ReemitOverrides& overrides) {
    const PointRecord* point = RecordAt<EntityKind::Point>(writer.Drawing(), index);
    if (point == nullptr) return;
    EmitPointAttributes(writer, point->header, overrides);
    EmitPoint(writer, point->x, point->y);
}

void ReemitParameterPoint(OutputWriter& writer, std::size_t index,
                          const ReemitOverrides& overrides) {
    const PointExRecord* point = RecordAt<EntityKind::PointEx>(writer.Drawing(), index);
    if (point == nullptr) return;
    EmitPointAttributes(writer, point->header, overrides);
    EmitParameterPoint(writer, point->code, point->x, point->y, point->param3, point->param4);
}

void ReemitDimension(OutputWriter& writer, std::size_t index, const ReemitOverrides& overrides) {
    const DimensionRecord* dimension = RecordAt<EntityKind::Dimension>(writer.Drawing(), index);
    if (dimension == nullptr) return;
    const LineRecord& line = dimension->line;
    const TextRecord& text = dimension->text;
    EmitLayers(writer, dimension->header, overrides);
    EmitPen(writer, line.header, overrides);
    EmitTextAttributes(writer, text, overrides);
    EmitZFlagsOfFigure(writer, dimension->header.zFlags,
                       IsWritableDimension(line.x1, line.y1, line.x2, line.y2, text.dx, text.dy));
    EmitDimension(writer, text.text.View(), line.x1, line.y1, line.x2, line.y2, text.x, text.y,
                  text.dx, text.dy);
}

void ReemitSolidSegment(OutputWriter& writer, std::size_t index, const ReemitOverrides& overrides) {
    const SolidSegmentRecord* solid = RecordAt<EntityKind::SolidSegment>(writer.Drawing(), index);
    if (solid == nullptr) return;
    EmitSolidAttributes(writer, solid->header, solid->rgbColour, overrides,
                        IsWritableSegment(solid->x1, solid->y1, solid->x2, solid->y2));
    EmitSolidSegment(writer, solid->x1, solid->y1, solid->x2, solid->y2);
}

void ReemitCircleSolid(OutputWriter& writer, std::size_t index, const ReemitOverrides& overrides) {
    const CircleSolidRecord* solid = RecordAt<EntityKind::SeCircleSolid>(writer.Drawing(), index);
    if (solid == nullptr) return;
    EmitSolidAttributes(writer, solid->header, solid->rgbColour, overrides,
                        IsWritableCircleSolid(solid->Mode(), solid->radius, solid->flatness));
    EmitCircleSolid(writer, solid->Mode(), solid->cx, solid->cy, solid->radius, solid->flatness,
                    solid->tilt, solid->startAngle, solid->arcAngle);
}

void WriteBackEntities(OutputWriter& writer) {
    const EntityStore& store = writer.Drawing();
    const std::size_t count = store.EntityOrder.Count();
    for (std::size_t i = 0; i < count; ++i) {
        const EntityOrderEntry entry = store.EntityOrder[i];
        if (entry.index < 0) continue;
        if (const LineRecord* line = LineAt(store, i); line != nullptr && line->polylineNo != 0) {
            const std::size_t end = CurveRunEnd(store, i);
            WriteBackCurve(writer, i, end);
            i = end - 1;
            continue;
        }
        const auto index = static_cast<std::size_t>(entry.index);
        switch (entry.kind) {
            case EntityKind::Line:
                ReemitLine(writer, index);
                break;
            case EntityKind::Circle:
                ReemitCircle(writer, index);
                break;
            case EntityKind::Arc:
                ReemitArc(writer, index);
                break;
            case EntityKind::Text:
                ReemitText(writer, index);
                break;
            case EntityKind::Point:
                ReemitPoint(writer, index);
                break;
            case EntityKind::PointEx:
                ReemitParameterPoint(writer, index);
                break;
            case EntityKind::Dimension:
                ReemitDimension(writer, index);
                break;
            case EntityKind::SolidSegment:
                ReemitSolidSegment(writer, index);
                break;
            case EntityKind::SeCircleSolid: {
                // The RGB override has no effect here: the stored colour is kept.
                ReemitOverrides seSolid;
                seSolid.layer = kSeCircleSolidLayer;
                seSolid.rgbColour = 0;
                ReemitCircleSolid(writer, index, seSolid);
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
