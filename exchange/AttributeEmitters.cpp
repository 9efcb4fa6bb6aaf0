// Attribute lines with change tracking against the values last written.
#include "exchange/AttributeEmitters.h"

#include "exchange/ColourNumbers.h"
#include "exchange/ExchangeWriter.h"
#include "exchange/LineBuilder.h"

namespace rv17 {

namespace {

constexpr std::int32_t kMaxLineWidth = 30000;
constexpr std::int32_t kMaxCcValue = 8;
constexpr std::int32_t kMaxSizeNo = 10;
constexpr std::int32_t kMaxRgbValue = 0xFFFFFF;

// Writes key and value when the attribute is pending or the value differs from
// the one last written; returns whether it wrote.
bool EmitTrackedInteger(EntityStore& store, PendingFlag flag, std::int32_t& lastWritten,
                        std::string_view key, std::int32_t value, bool hexadecimal) {
    if (!store.current.pendingFlags[flag] && lastWritten == value) return false;
    LineBuilder line;
    line.Text(key);
    if (hexadecimal) {
        line.Hex(value);
    } else {
        line.Integer(value);
    }
    AppendOutputLine(store, line.View());
    lastWritten = value;
    store.current.pendingFlags[flag] = false;
    return true;
}

bool SameFreeSize(const TextSize& last, double charWidth, double charHeight, double charSpacing,
                  std::int32_t colour) noexcept {
    return last.charWidth == charWidth && last.charHeight == charHeight &&
           last.charSpacing == charSpacing && last.colour == colour;
}

}  // namespace

void EmitLayerGroup(EntityStore& store, std::int32_t layerGroup) {
    CurrentAttributes& current = store.current;
    if (EmitTrackedInteger(store, kPendingLayerGroup, current.layerGroup, "lg", layerGroup, true)) {
        current.pendingFlags[kPendingLayer] = true;
    }
}

void EmitLayer(EntityStore& store, std::int32_t layer) {
    EmitTrackedInteger(store, kPendingLayer, store.current.layer, "ly", layer, true);
}

void EmitColour(EntityStore& store, std::int32_t colour) {
    CurrentAttributes& current = store.current;
    if (EmitTrackedInteger(store, kPendingColour, current.colour, "lc", colour, false)) {
        current.pendingFlags[kPendingRgbColour] = false;
    }
}

void EmitLineType(EntityStore& store, std::int32_t lineType) {
    EmitTrackedInteger(store, kPendingLineType, store.current.lineType, "lt", lineType, false);
}

void EmitLineWidth(EntityStore& store, std::int32_t lineWidth) {
    // A host file without widths keeps every figure at its current width.
    if (!store.lineWidthSeen) return;
    if (lineWidth == -1) lineWidth = store.initial.initialLineWidth;
    if (lineWidth < 0 || lineWidth > kMaxLineWidth) lineWidth = 0;
    EmitTrackedInteger(store, kPendingLineWidth, store.current.lineWidth, "lw", lineWidth, false);
}

void EmitTextSize(EntityStore& store, std::int32_t sizeNo, std::int32_t colour, double charWidth,
                  double charHeight, double charSpacing) {
    if (sizeNo < 0 || sizeNo > kMaxSizeNo) {
        sizeNo = store.initial.initialSizeNo;
        if (sizeNo == 0) {
            const TextSize& initialSize = store.initial.initialFreeSize;
            charWidth = initialSize.charWidth;
            charHeight = initialSize.charHeight;
            charSpacing = initialSize.charSpacing;
            colour = initialSize.colour;
        }
    }
    CurrentAttributes& current = store.current;
    const bool write = current.pendingFlags[kPendingSizeNo] || sizeNo != current.sizeNo ||
                       (sizeNo == 0 && !SameFreeSize(current.freeSize, charWidth, charHeight,
                                                     charSpacing, colour));
    if (!write) return;
    LineBuilder line;
    line.Text("cn").Integer(sizeNo);
    if (sizeNo == 0) {
        line.BlankSeparatedReals(charWidth, charHeight, charSpacing).Blank().Integer(colour);
        current.freeSize = TextSize{charWidth, charHeight, charSpacing, colour};
    }
    AppendOutputLine(store, line.View());
    current.sizeNo = sizeNo;
    current.pendingFlags[kPendingSizeNo] = false;
}

void EmitCcValue(EntityStore& store, std::int32_t ccValue) {
    if (ccValue < 0 || ccValue > kMaxCcValue) ccValue = 0;
    EmitTrackedInteger(store, kPendingCcValue, store.current.ccValue, "cc", ccValue, false);
}

void EmitFontName(EntityStore& store, std::string_view fontName) {
    if (fontName.empty() || fontName == "<>") fontName = store.initial.initialFontName;
    CurrentAttributes& current = store.current;
    if (!current.pendingFlags[kPendingFontName] && current.fontName == fontName) return;
    // The quote keeps a name with blanks in one field for the host's reader.
    AppendOutputLine(store, LineBuilder().Text("cn\"$").Text(fontName).View());
    current.fontName.assign(fontName);
    current.pendingFlags[kPendingFontName] = false;
}

void EmitPointColour(EntityStore& store, std::int32_t pointColour) {
    EmitTrackedInteger(store, kPendingPointColour, store.current.pointColour, "pn", pointColour,
                       false);
}

void EmitRgbColour(EntityStore& store, std::int32_t rgbColour) {
    if (rgbColour < 0 || rgbColour > kMaxRgbValue) rgbColour = 0;
    CurrentAttributes& current = store.current;
    const bool unchanged = !current.pendingFlags[kPendingColour] && current.colour == kRgbColour &&
                           !current.pendingFlags[kPendingRgbColour] &&
                           current.rgbColour == rgbColour;
    if (unchanged) return;
    AppendOutputLine(store, LineBuilder().Text("lc10 ").Integer(rgbColour).View());
    current.rgbColour = rgbColour;
    current.pendingFlags[kPendingRgbColour] = false;
    current.colour = kRgbColour;
    current.pendingFlags[kPendingColour] = false;
}

void EmitZFlags(EntityStore& store, std::int32_t zFlags) {
    if (zFlags & 1) AppendOutputLine(store, "z1");
    if (zFlags & 2) AppendOutputLine(store, "z2");
    if (zFlags & 4) AppendOutputLine(store, "z3");
    if ((zFlags & 8) && !(zFlags & 16)) AppendOutputLine(store, "z4");
    if (zFlags & 16) AppendOutputLine(store, "z5");
}

}  // namespace rv17
