// The benchmark drawing: 10,000 solids spread over 1000 x 1000 mm, 2 to 30 mm
// across: 40% triangles, 40% convex quadrilaterals and 20% whole circles.
#pragma once

#include <charconv>
#include <cmath>
#include <random>
#include <string>

#include "geometry/Pi.h"

namespace rv17 {

inline std::string GenerateHatchDrawing(int solids = 10'000, std::uint64_t seed = 2024) {
    std::mt19937_64 random(seed);
    std::uniform_real_distribution<double> position(0.0, 1000.0);
    std::uniform_real_distribution<double> across(2.0, 30.0);
    std::uniform_real_distribution<double> turn(0.0, kTwoPi);
    std::uniform_int_distribution<int> kind(0, 9);
    std::string text = "hq\r\nhp1 0 0\r\nlg0\r\nly0\r\nlc2\r\nlt1\r\nlw0\r\n";
    char buffer[32];
    const auto number = [&](double value) {
        text += ' ';
        text.append(
            buffer,
            std::to_chars(buffer, buffer + sizeof buffer, std::round(value * 1e4) / 1e4).ptr);
    };
    for (int i = 0; i < solids; ++i) {
        const double cx = position(random);
        const double cy = position(random);
        const double radius = across(random) / 2.0;
        const int k = kind(random);
        if (k >= 8) {
            text += "sc";
            number(cx);
            number(cy);
            number(radius);
            text += " 1 0 0 0 1\r\n";
            continue;
        }
        // Corners on a circle at increasing angles: a convex outline.
        const int corners = k < 4 ? 3 : 4;
        double angles[4];
        for (int c = 0; c < corners; ++c) {
            // Insertion in order (std::sort on four elements upsets GCC 12's bounds warnings).
            double angle = turn(random);
            int at = c;
            for (; at > 0 && angles[at - 1] > angle; --at) angles[at] = angles[at - 1];
            angles[at] = angle;
        }
        text += "sl";
        for (int c = 0; c < corners; ++c) {
            number(cx + radius * std::cos(angles[c]));
            number(cy + radius * std::sin(angles[c]));
        }
        text += "\r\n";
    }
    return text;
}

}  // namespace rv17
