// Helpers of the picture tests: a drawing's SVG picture, and counting and
// finding in its text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "tests/drawing/DrawingTestSupport.h"
#include "tools/preview/SvgPreview.h"

namespace rv17 {

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
