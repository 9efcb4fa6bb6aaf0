// The colours of the preview picture: the host's colour codes turned into
// RGB values for a white background.
#pragma once

#include <cstdint>

namespace rv17 {

// An RGB value as 0xRRGGBB.
using RgbHex = std::uint32_t;

// The RGB value of a colour-10 figure: the exchange file gives it as
// R + G*256 + B*65536. Values outside 0..0xFFFFFF are taken as black.
RgbHex RgbValueColour(std::int32_t rgbValue) noexcept;

// The colour of a colour code: 1 to 9 and the SXF codes 101 to 356 from the
// palette table; every other code (0, 10 without an RGB value, 11..100,
// negative or beyond 356) is drawn black.
RgbHex PaletteColour(std::int32_t colour) noexcept;

// The colour a figure is drawn in: a solid of colour 10 takes its own RGB
// value, everything else the palette.
RgbHex FigureColour(std::int32_t colour, std::int32_t rgbValue, bool hasRgbValue) noexcept;

}  // namespace rv17
