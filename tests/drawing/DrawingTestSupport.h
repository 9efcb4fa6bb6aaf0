// Helpers of the preview tests: drawings read from exchange text, a
// conversion's output made of the real write-back and chosen hatch segments,
// and counting in the picture's text.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/JwwGaibu.h"
#include "exchange/OutputWriter.h"
#include "tools/preview/SvgPreview.h"

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

inline std::string Picture(const EntityStore& drawing, const OutputLines* output,
                           std::size_t firstHatchLine, std::string_view fileName = "T.TXT") {
    std::string svg;
    StringSink sink(svg);
    RenderPreviewSvg(PreviewInput{drawing, output, firstHatchLine, fileName, "1", "0"}, sink);
    return svg;
}

inline std::size_t CountOf(std::string_view text, std::string_view what) {
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::string_view::npos;
         at = text.find(what, at + what.size())) {
        ++count;
    }
    return count;
}

// The d attributes of the elements that start with the given opening text.
inline std::vector<std::string_view> PathData(std::string_view svg, std::string_view opening) {
    std::vector<std::string_view> data;
    for (std::size_t at = svg.find(opening); at != std::string_view::npos;
         at = svg.find(opening, at + 1)) {
        const std::size_t begin = svg.find(" d=\"", at) + 4;
        const std::size_t end = svg.find('"', begin);
        data.push_back(svg.substr(begin, end - begin));
    }
    return data;
}

// The text between the first opening text and the matching end of its group.
inline std::string_view Section(std::string_view svg, std::string_view opening,
                                std::string_view closing) {
    const std::size_t begin = svg.find(opening);
    if (begin == std::string_view::npos) return {};
    const std::size_t end = svg.find(closing, begin);
    return svg.substr(begin, end == std::string_view::npos ? std::string_view::npos : end - begin);
}

}  // namespace rv17
