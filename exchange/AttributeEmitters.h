// Attribute lines of the output, each written only when its value differs
// from the value last written or when the attribute is pending. The writer's
// CurrentAttributes hold the values last written and the pending flags.
#pragma once

#include <cstdint>
#include <string_view>

#include "exchange/OutputWriter.h"

namespace rv17 {

// "lg" and the layer group in hexadecimal; after writing, the layer is pending
// so that the next EmitLayer writes even an unchanged layer number.
void EmitLayerGroup(OutputWriter& writer, std::int32_t layerGroup);
// "ly" and the layer in hexadecimal.
void EmitLayer(OutputWriter& writer, std::int32_t layer);
// "lc" and the colour; also clears the RGB colour's pending flag.
void EmitColour(OutputWriter& writer, std::int32_t colour);
// "lt" and the line type.
void EmitLineType(OutputWriter& writer, std::int32_t lineType);
// "lw" and the width in 1/100 mm. Nothing at all when the input had no "lw"
// line; -1 means the input's first width; values outside 0..30000 become 0.
void EmitLineWidth(OutputWriter& writer, std::int32_t lineWidth);
// "cn" and a size number 1..10, or "cn0 w h s c" for a free size. A size
// number outside 0..10 is replaced by the input's first one (and, when that is
// 0, the sizes by the input's first free size); should that first one be
// outside 0..10 as well, it is written as "cn" and the number, as the input had it.
// Free sizes are compared exactly with the free size last written.
void EmitTextSize(OutputWriter& writer, std::int32_t sizeNo, std::int32_t colour, double charWidth,
                  double charHeight, double charSpacing);
// "cc" and the value; values outside 0..8 become 0.
void EmitCcValue(OutputWriter& writer, std::int32_t ccValue);
// cn"$ and the name; an empty name or "<>" means the input's first font name.
void EmitFontName(OutputWriter& writer, std::string_view fontName);
// "pn" and the point colour.
void EmitPointColour(OutputWriter& writer, std::int32_t pointColour);
// "lc10 " and the RGB value (outside 0..FFFFFF becomes 0); the colour last
// written is then 10.
void EmitRgbColour(OutputWriter& writer, std::int32_t rgbColour);
// "z1".."z5" for the set bits, each on its own line, at every call; "z4" only
// when bit 4 ("z5") is clear.
void EmitZFlags(OutputWriter& writer, std::int32_t zFlags);

}  // namespace rv17
