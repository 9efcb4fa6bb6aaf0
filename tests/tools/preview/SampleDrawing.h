// A drawing with every kind of figure, texts that need escaping, and records
// with values no picture can show, shared by the picture tests and the
// xmllint check.
#pragma once

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "tests/tools/preview/PreviewTestSupport.h"

namespace rv17 {

inline constexpr std::string_view kSampleExchangeText =
    "hp1 0 0\n"
    "lg0\nly0\nlc2\nlt1\nlw0\n"
    "hcc 1 1 2 2 3 3 4 4 5 5\n"
    "pl\n0 0 100 0\n100 0 100 50\n#\n"
    "5 5 5 5\n"  // ends coincide: not written back
    "ci 50 25 10\n"
    "ci 25 150 40 -90 0 1 0\n"
    "ci 80 80 12 0 0 0.5 30\n"
    "pn3\npt 5 5\npt 10 5 1 0 2\n"
    "lc10 16744448\n"
    "sl 0 60 30 60 30 90 0 90\n"
    "lc3\n"
    "sl 40 60 70 60 55 90\n"
    "lc10 255\n"
    "sc 100 100 10 1 0 0 1.5707963267948966 0\n"
    "sc 130 100 10 0.5 0.3 0 6.283185307179586 1\n"
    "sc 160 100 10 1 0 0 1.5707963267948966 -1\n"
    "sc 190 100 10 1 0 0.5 2 5\n"
    "lc105\n"
    "so 100 140 14 1 0 0 6.283185307179586 7\n"
    "sg 140 140 12 0.6 0 0 3.141592653589793 6\n"
    "se 180 140 5 1 0 0 6.283185307179586 100\n"
    "sl 0 120 40 120\n"
    "BL 60 120 \x8a\xb7\x8b\x43\x8c\xfb\n"
    "cn2\n"
    "ch 0 -10 1 0 \"a<b & c > \"d\" '\x82\xa0\x8a\xbf\x8e\x9a'\n"
    "cv 120 0 0 1 \"\x81\x20lone lead byte\n"
    "ch 0 -20 1 0 \"1 2 3 4\n"
    "msg\n0 -30 100 -30\ncs 50 -29 1 0 \"100\n#\n";

inline std::unique_ptr<EntityStore> SampleDrawing() {
    auto store = DrawingFromText(kSampleExchangeText);
    constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    auto& line = AddEntity<EntityKind::Line>(*store, CurrentAttributes{});
    line.x1 = kNan, line.y1 = 0, line.x2 = 1, line.y2 = 1;
    auto& far = AddEntity<EntityKind::Line>(*store, CurrentAttributes{});
    far.x1 = 0, far.y1 = 0, far.x2 = 1e300, far.y2 = 1;
    auto& circle = AddEntity<EntityKind::Circle>(*store, CurrentAttributes{});
    circle.cx = kInfinity, circle.radius = 5;
    auto& quad = AddEntity<EntityKind::QuadSolid>(*store, CurrentAttributes{});
    quad.header.colour = 4;
    quad.x1 = 0, quad.y1 = 0, quad.x2 = 1, quad.y2 = kNan, quad.x3 = 2, quad.y3 = 2, quad.x4 = 0,
    quad.y4 = 1;
    auto& ring = AddEntity<EntityKind::RingSolid>(*store, CurrentAttributes{});
    ring.cx = 1, ring.cy = 1, ring.radius = kInfinity, ring.flatness = 1, ring.radius2 = 1;
    auto& text = AddEntity<EntityKind::Text>(*store, CurrentAttributes{});
    text.x = 1, text.y = kNan, text.dx = 1, text.charHeight = 2, text.charWidth = 2;
    text.text.Assign("lost");
    return store;
}

// Hatch segments across the triangle and quadrilateral solids, in two colours.
inline std::vector<HatchSegment> SampleHatch(std::size_t count) {
    std::vector<HatchSegment> segments;
    for (std::size_t i = 0; i < count; ++i) {
        const double y = 60.0 + 30.0 * static_cast<double>(i % 1000) / 1000.0;
        const bool quad = i % 2 == 0;
        segments.push_back(quad ? HatchSegment{2, 0.0, y, 30.0, y}
                                : HatchSegment{6, 45.0, y, 65.0, y});
    }
    return segments;
}

}  // namespace rv17
