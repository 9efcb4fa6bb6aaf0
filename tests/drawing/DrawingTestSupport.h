// Helpers of the drawing tests: drawings read from exchange text, and a
// conversion's output made of the real write-back and chosen hatch segments.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/JwwGaibu.h"
#include "exchange/OutputWriter.h"

namespace rv17 {

struct HatchSegment {
    std::int32_t colour;
    double x1, y1, x2, y2;
};

// A store read from the lines of an exchange file.
inline std::unique_ptr<EntityStore> DrawingFromText(std::string_view exchangeText) {
    auto store = std::make_unique<EntityStore>();
    InitialiseStore(*store);
    ParseExchangeText(*store, exchangeText);
    return store;
}

// The output a conversion builds, in the same order: "hd", every figure
// written back, the hatch pen, then each segment as colour, "z1" and line.
// Tells the index of the first output line after the pen, where the hatch begins.
struct ConvertedOutput {
    OutputLines lines;
    std::size_t firstHatchLine = 0;
};
inline ConvertedOutput ConvertWith(const EntityStore& store,
                                   const std::vector<HatchSegment>& segments) {
    OutputWriter writer(store);
    writer.Line("hd");
    WriteBackEntities(writer);
    EmitLayerGroup(writer, store.initial.initialLayerGroup);
    EmitLayer(writer, store.initial.initialLayer);
    EmitLineType(writer, 1);
    EmitLineWidth(writer, -1);
    const std::size_t firstHatchLine = writer.Lines().Count();
    for (const HatchSegment& s : segments) {
        EmitColour(writer, s.colour);
        EmitZFlags(writer, 1);
        EmitLine(writer, s.x1, s.y1, s.x2, s.y2);
    }
    return {writer.TakeLines(), firstHatchLine};
}

}  // namespace rv17
