// Numbers printed as round-trip literals, so that a failing geometry case can
// be pasted straight into a regression table.
#pragma once

#include <charconv>
#include <initializer_list>
#include <string>

#include "geometry/PlanePoint.h"

namespace rv17 {

inline std::string Literal(std::initializer_list<double> values) {
    std::string text = "{";
    for (const double value : values) {
        if (text.size() > 1) text += ", ";
        char buffer[32];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
        text.append(buffer, end);
    }
    return text + "}";
}

inline std::string Literal(PlanePoint p) { return Literal({p.X, p.Y}); }

}  // namespace rv17
