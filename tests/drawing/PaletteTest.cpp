// The palette: numbered and named SXF colours, RGB values, and the spread of
// the unnamed SXF colours.
#include <gtest/gtest.h>

#include <set>

#include "drawing/Palette.h"

namespace rv17 {

namespace {

struct PaletteCase {
    std::int32_t colour;
    RgbHex expected;
};

class PaletteTable : public testing::TestWithParam<PaletteCase> {};

TEST_P(PaletteTable, GivesTheTablesColour) {
    const PaletteCase c = GetParam();
    EXPECT_EQ(PaletteColour(c.colour), c.expected) << "colour " << c.colour;
}

INSTANTIATE_TEST_SUITE_P(
    Palette, PaletteTable,
    testing::Values(
        PaletteCase{1, 0x404040}, PaletteCase{2, 0x000000}, PaletteCase{3, 0x008A00},
        PaletteCase{8, 0xE00000}, PaletteCase{9, 0xA8A8A8},
        // SXF colours by name: black, red, white (drawn pale grey), dark purple, dark grey.
        PaletteCase{101, 0x000000}, PaletteCase{102, 0xFF0000}, PaletteCase{108, 0xDCDCDC},
        PaletteCase{109, 0xC00080}, PaletteCase{116, 0x808080},
        // Codes without a colour of their own are black.
        PaletteCase{0, 0x000000}, PaletteCase{10, 0x000000}, PaletteCase{11, 0x000000},
        PaletteCase{100, 0x000000}, PaletteCase{357, 0x000000}, PaletteCase{-1, 0x000000}));

TEST(Palette, RgbValueCountsRedInTheLowByte) {
    EXPECT_EQ(RgbValueColour(255), 0xFF0000u);
    EXPECT_EQ(RgbValueColour(255 * 256), 0x00FF00u);
    EXPECT_EQ(RgbValueColour(16744448), 0x0080FFu);  // R 0, G 128, B 255
    EXPECT_EQ(RgbValueColour(0x123456), 0x563412u);
    EXPECT_EQ(RgbValueColour(-1), 0x000000u);
    EXPECT_EQ(RgbValueColour(0x1000000), 0x000000u);
}

TEST(Palette, OnlySolidsOfColourTenTakeTheirRgbValue) {
    EXPECT_EQ(FigureColour(10, 255, true), 0xFF0000u);
    EXPECT_EQ(FigureColour(10, 255, false), PaletteColour(10));
    EXPECT_EQ(FigureColour(3, 255, true), PaletteColour(3));
}

// Neighbouring codes must look different, and none may be too pale to see on white.
TEST(Palette, UnnamedSxfColoursAreDistinctAndDarkEnough) {
    std::set<RgbHex> seen;
    for (std::int32_t colour = 117; colour <= 356; ++colour) {
        const RgbHex rgb = PaletteColour(colour);
        EXPECT_TRUE(seen.insert(rgb).second)
            << "colour " << colour << " repeats " << std::hex << rgb;
        const RgbHex brightest = std::max({rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF});
        EXPECT_LE(brightest, 200u) << "colour " << colour;
        if (colour > 117) {
            EXPECT_NE(rgb, PaletteColour(colour - 1));
        }
    }
    EXPECT_EQ(seen.size(), 240u);
}

}  // namespace

}  // namespace rv17
