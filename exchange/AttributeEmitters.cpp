// Attribute lines with change tracking against the values last written.
#include "exchange/AttributeEmitters.h"

#include "exchange/ColourNumbers.h"
#include "exchange/LineBuilder.h"

namespace rv17 {

namespace {

constexpr std::int32_t kMaxLineWidth = 30000;
constexpr std::int32_t kMaxCcValue = 8;
constexpr std::int32_t kMaxSizeNo = 10;
constexpr std::int32_t kMaxRgbValue = 0xFFFFFF;

// Writes key and value when the attribute is pending or the value differs from
// the one last written; returns whether it wrote.
bool EmitTrackedInteger(OutputWriter& writer, PendingFlag flag, std::int32_t& lastWritten,
                        std::string_view key, std::int32_t value, bool hexadecimal) {
    if (!writer.current.pendingFlags[flag] && lastWritten == value) return false;
    LineBuilder line;
    line.Text(key);
    if (hexadecimal) {
        line.Hex(value);
    } else {
        line.Integer(value);
    }
    writer.Line(line.View());
    lastWritten = value;
    writer.current.pendingFlags[flag] = false;
    return true;
}

bool SameFreeSize(const TextSize& last, double charWidth, double charHeight, double charSpacing,
                  std::int32_t colour) noexcept {
    return last.charWidth == charWidth && last.charHeight == charHeight &&
           last.charSpacing == charSpacing && last.colour == colour;
}

}  // namespace

void EmitLayerGroup(OutputWriter& writer, std::int32_t layerGroup) {
    CurrentAttributes& current = writer.current;
    if (EmitTrackedInteger(writer, kPendingLayerGroup, current.layerGroup, "lg", layerGroup,
                           true)) {
        current.pendingFlags[kPendingLayer] = true;
    }
}

void EmitLayer(OutputWriter& writer, std::int32_t layer) {
    EmitTrackedInteger(writer, kPendingLayer, writer.current.layer, "ly", layer, true);
}

void EmitColour(OutputWriter& writer, std::int32_t colour) {
    CurrentAttributes& current = writer.current;
    if (EmitTrackedInteger(writer, kPendingColour, current.colour, "lc", colour, false)) {
        current.pendingFlags[kPendingRgbColour] = false;
    }
}

void EmitLineType(OutputWriter& writer, std::int32_t lineType) {
    EmitTrackedInteger(writer, kPendingLineType, writer.current.lineType, "lt", lineType, false);
}

void EmitLineWidth(OutputWriter& writer, std::int32_t lineWidth) {
    // A host file without widths keeps every figure at its current width.
    if (!writer.Drawing().lineWidthSeen) return;
    if (lineWidth == -1) lineWidth = writer.Drawing().initial.initialLineWidth;
    if (lineWidth < 0 || lineWidth > kMaxLineWidth) lineWidth = 0;
    EmitTrackedInteger(writer, kPendingLineWidth, writer.current.lineWidth, "lw", lineWidth, false);
}

void EmitTextSize(OutputWriter& writer, std::int32_t sizeNo, std::int32_t colour, double charWidth,
                  double charHeight, double charSpacing) {
    if (sizeNo < 0 || sizeNo > kMaxSizeNo) {
        sizeNo = writer.Drawing().initial.initialSizeNo;
        if (sizeNo == 0) {
            const TextSize& initialSize = writer.Drawing().initial.initialFreeSize;
            charWidth = initialSize.charWidth;
            charHeight = initialSize.charHeight;
            charSpacing = initialSize.charSpacing;
            colour = initialSize.colour;
        }
    }
    CurrentAttributes& current = writer.current;
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
    writer.Line(line.View());
    current.sizeNo = sizeNo;
    current.pendingFlags[kPendingSizeNo] = false;
}

void EmitCcValue(OutputWriter& writer, std::int32_t ccValue) {
    if (ccValue < 0 || ccValue > kMaxCcValue) ccValue = 0;
    EmitTrackedInteger(writer, kPendingCcValue, writer.current.ccValue, "cc", ccValue, false);
}

void EmitFontName(OutputWriter& writer, std::string_view fontName) {
    if (fontName.empty() || fontName == "<>") fontName = writer.Drawing().initial.initialFontName;
    CurrentAttributes& current = writer.current;
    if (!current.pendingFlags[kPendingFontName] && current.fontName == fontName) return;
    // The quote keeps a name with blanks in one field for the host's reader.
    writer.Line(LineBuilder().Text("cn\"$").Text(fontName).View());
    current.fontName.assign(fontName);
    current.pendingFlags[kPendingFontName] = false;
}

void EmitPointColour(OutputWriter& writer, std::int32_t pointColour) {
    EmitTrackedInteger(writer, kPendingPointColour, writer.current.pointColour, "pn", pointColour,
                       false);
}

void EmitRgbColour(OutputWriter& writer, std::int32_t rgbColour) {
    if (rgbColour < 0 || rgbColour > kMaxRgbValue) rgbColour = 0;
    CurrentAttributes& current = writer.current;
    const bool unchanged = !current.pendingFlags[kPendingColour] && current.colour == kRgbColour &&
                           !current.pendingFlags[kPendingRgbColour] &&
                           current.rgbColour == rgbColour;
    if (unchanged) return;
    writer.Line(LineBuilder().Text("lc10 ").Integer(rgbColour).View());
    current.rgbColour = rgbColour;
    current.pendingFlags[kPendingRgbColour] = false;
    current.colour = kRgbColour;
    current.pendingFlags[kPendingColour] = false;
}

void EmitZFlags(OutputWriter& writer, std::int32_t zFlags) {
    if (zFlags & 1) writer.Line("z1");
    if (zFlags & 2) writer.Line("z2");
    if (zFlags & 4) writer.Line("z3");
    if ((zFlags & 8) && !(zFlags & 16)) writer.Line("z4");
    if (zFlags & 16) writer.Line("z5");
}

}  // namespace rv17
