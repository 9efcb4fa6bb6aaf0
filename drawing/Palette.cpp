// The palette table of the preview and the spread of the numbered SXF colours.
#include "drawing/Palette.h"

#include <array>

#include "exchange/ColourNumbers.h"

namespace rv17 {

namespace {

// Colours 1 to 9, chosen to read well on white paper: 1 dark grey, 2 black,
// 3 green, 4 dark yellow, 5 magenta, 6 blue, 7 teal, 8 red, and 9 (the
// auxiliary colour) a light grey, as construction lines should look.
constexpr std::array<RgbHex, 9> kNumberedColours = {
    0x404040, 0x000000, 0x008A00, 0xB08800, 0xC000C0, 0x0000E0, 0x009A9A, 0xE00000, 0xA8A8A8,
};

// SXF colours 101 to 116 in the order of the colour list: black, red, green,
// blue, yellow, magenta, cyan, white, dark purple, brown, orange, light green,
// light blue, lavender, light grey, dark grey. White would vanish on the white
// background, so it is drawn as a pale grey that is still lighter than the
// light grey of 115.
constexpr std::array<RgbHex, 16> kNamedSxfColours = {
    0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF, 0xDCDCDC,
    0xC00080, 0xC08040, 0xFF8000, 0x80C080, 0x0080FF, 0x8040FF, 0xC0C0C0, 0x808080,
};

constexpr std::int32_t kFirstSpreadColour = 117;
constexpr std::int32_t kLastSxfColour = 356;

// RGB from hue (thousandths of a degree), saturation and value (both 0..255),
// in integers so every build gives the same table.
constexpr RgbHex HsvColour(std::int32_t hueMilli, std::int32_t saturation, std::int32_t value) {
    const std::int32_t sector = hueMilli / 60000;
    const std::int32_t within = hueMilli % 60000;  // 0..59999 through the sector
    const std::int32_t low = value * (255 - saturation) / 255;
    const std::int32_t falling = value * (255 - saturation * within / 60000) / 255;
    const std::int32_t rising = value * (255 - saturation * (60000 - within) / 60000) / 255;
    std::int32_t r = value, g = low, b = low;
    switch (sector) {
        case 0:
            r = value, g = rising, b = low;
            break;
        case 1:
            r = falling, g = value, b = low;
            break;
        case 2:
            r = low, g = value, b = rising;
            break;
        case 3:
            r = low, g = falling, b = value;
            break;
        case 4:
            r = rising, g = low, b = value;
            break;
        default:
            r = value, g = low, b = falling;
            break;
    }
    return static_cast<RgbHex>(r) << 16 | static_cast<RgbHex>(g) << 8 | static_cast<RgbHex>(b);
}

// Codes 117 to 356 have no names. They are spread over 40 hues, 9 degrees
// apart, and six shades (three brightnesses, two saturations): each code has
// its own hue and shade, and neighbouring codes differ in both (the hue jumps
// by 63 or 162 degrees). Brightness stays at most 200 so that no colour is
// too pale for a white background.
constexpr RgbHex SpreadColour(std::int32_t colour) {
    const std::int32_t step = colour - kFirstSpreadColour;
    const std::int32_t shade = step % 6;
    const std::int32_t hue = (step / 6 * 17 + shade * 7) % 40;  // 17 and 40 share no factor
    constexpr std::int32_t kValues[] = {200, 150, 100};
    constexpr std::int32_t kSaturations[] = {230, 150};
    return HsvColour(hue * 9000, kSaturations[shade / 3], kValues[shade % 3]);
}

constexpr auto kSpreadColours = [] {
    std::array<RgbHex, kLastSxfColour - kFirstSpreadColour + 1> table{};
    for (std::int32_t colour = kFirstSpreadColour; colour <= kLastSxfColour; ++colour) {
        table[static_cast<std::size_t>(colour - kFirstSpreadColour)] = SpreadColour(colour);
    }
    return table;
}();

}  // namespace

RgbHex RgbValueColour(std::int32_t rgbValue) noexcept {
    if (rgbValue < 0 || rgbValue > 0xFFFFFF) return 0x000000;
    const auto value = static_cast<RgbHex>(rgbValue);
    const RgbHex red = value & 0xFF;
    const RgbHex green = (value >> 8) & 0xFF;
    const RgbHex blue = (value >> 16) & 0xFF;
    return red << 16 | green << 8 | blue;
}

RgbHex PaletteColour(std::int32_t colour) noexcept {
    if (colour >= 1 && colour <= 9) return kNumberedColours[static_cast<std::size_t>(colour - 1)];
    if (colour >= kFirstSxfColour && colour < kFirstSpreadColour) {
        return kNamedSxfColours[static_cast<std::size_t>(colour - kFirstSxfColour)];
    }
    if (colour >= kFirstSpreadColour && colour <= kLastSxfColour) {
        return kSpreadColours[static_cast<std::size_t>(colour - kFirstSpreadColour)];
    }
    return 0x000000;
}

RgbHex FigureColour(std::int32_t colour, std::int32_t rgbValue, bool hasRgbValue) noexcept {
    if (colour == kRgbColour && hasRgbValue) return RgbValueColour(rgbValue);
    return PaletteColour(colour);
}

}  // namespace rv17
