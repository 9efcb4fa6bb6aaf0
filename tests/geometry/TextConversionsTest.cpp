// Text-to-number conversions and Shift-JIS byte walks.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "geometry/MyFunc.h"

namespace rv17 {

namespace {

struct IntegerCase {
    const char* text;
    std::int32_t expected;
};

class TextToIntegerTest : public testing::TestWithParam<IntegerCase> {};

TEST_P(TextToIntegerTest, Converts) {
    EXPECT_EQ(TextToInteger(GetParam().text), GetParam().expected)
        << "text: \"" << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextToIntegerTest,
    testing::Values(IntegerCase{"0", 0}, IntegerCase{"42", 42}, IntegerCase{"  42", 42},
                    IntegerCase{"+7", 7}, IntegerCase{"-13", -13}, IntegerCase{"007", 7},
                    IntegerCase{"2147483647", 2147483647},
                    IntegerCase{"-2147483648", -2147483647 - 1}, IntegerCase{"2147483648", 0},
                    IntegerCase{"-2147483649", 0}, IntegerCase{"99999999999999999999", 0},
                    IntegerCase{"$FF", 255}, IntegerCase{"x10", 16}, IntegerCase{"X1f", 31},
                    IntegerCase{"0x7FFFFFFF", 2147483647}, IntegerCase{"0XFFFFFFFF", -1},
                    IntegerCase{"$80000000", -2147483647 - 1}, IntegerCase{"-$10", -16},
                    IntegerCase{"$123456789", 0}, IntegerCase{"$", 0}, IntegerCase{"0x", 0},
                    IntegerCase{"", 0}, IntegerCase{"-", 0}, IntegerCase{"+", 0},
                    IntegerCase{"12 ", 0}, IntegerCase{"1.5", 0}, IntegerCase{"1e3", 0},
                    IntegerCase{"abc", 0}, IntegerCase{"$FG", 0}, IntegerCase{"--1", 0}));

struct RealCase {
    const char* text;
    double expected;
};

class TextToRealTest : public testing::TestWithParam<RealCase> {};

TEST_P(TextToRealTest, Converts) {
    EXPECT_EQ(TextToReal(GetParam().text), GetParam().expected)
        << "text: \"" << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextToRealTest,
    testing::Values(RealCase{"0", 0.0}, RealCase{"1", 1.0}, RealCase{"0.3", 0.3},
                    RealCase{"  2.5", 2.5}, RealCase{"-2.5", -2.5}, RealCase{"+4", 4.0},
                    RealCase{"1e3", 1000.0}, RealCase{"1E-5", 1e-5}, RealCase{"1.5e+20", 1.5e20},
                    RealCase{".5", 0.5}, RealCase{"5.", 5.0}, RealCase{"123456.789", 123456.789},
                    RealCase{"", 0.0}, RealCase{" ", 0.0}, RealCase{"1 ", 0.0},
                    RealCase{"1,5", 0.0}, RealCase{"1e", 0.0}, RealCase{"1e+", 0.0},
                    RealCase{".", 0.0}, RealCase{"-", 0.0}, RealCase{"abc", 0.0},
                    RealCase{"nan", 0.0}, RealCase{"inf", 0.0}, RealCase{"1e999", 0.0},
                    RealCase{"-1e999", 0.0}, RealCase{"0x10", 0.0}, RealCase{"1.2.3", 0.0}));

TEST(TextToReal, NegativeZeroKeepsItsSign) { EXPECT_TRUE(std::signbit(TextToReal("-0"))); }

TEST(DecimalTextOverflows, OnlyForDecimalDigitsBeyondTheRange) {
    for (const char* text :
         {"2147483648", "-2147483649", "  -99999999999", "+99999999999999999999999"})
        EXPECT_TRUE(DecimalTextOverflows(text)) << text;
    for (const char* text :
         {"2147483647", "-2147483648", "0", "", "-", "x80000000", "99999999999 ", "1e99", "abc"})
        EXPECT_FALSE(DecimalTextOverflows(text)) << text;
}

TEST(RemoveBlanks, DropsBlanksControlsAndFullWidthBlank) {
    EXPECT_EQ(RemoveBlanks(" 2.5 "), "2.5");
    EXPECT_EQ(RemoveBlanks("\t1\r\n0\x01"), "10");
    EXPECT_EQ(RemoveBlanks("\x81\x40"
                           "5\x81\x40"),
              "5");
    EXPECT_EQ(RemoveBlanks("   "), "");
    EXPECT_EQ(RemoveBlanks(""), "");
}

TEST(RemoveBlanks, KeepsDoubleByteCharactersWhole) {
    // 0x83 0x40 ("ァ") has a trail byte that equals a blank's neighbour 0x40; 0x95 0x5C ("表")
    // and 0x82 0x20-like pairs keep their trail bytes even when they look like blanks.
    EXPECT_EQ(RemoveBlanks("\x83\x40"), "\x83\x40");
    EXPECT_EQ(RemoveBlanks("\x95\x5C"), "\x95\x5C");
    EXPECT_EQ(RemoveBlanks("\x81\x20"), "\x81\x20");
    EXPECT_EQ(RemoveBlanks("a\xE0"), "a\xE0");         // a lone lead byte at the end stays
    EXPECT_EQ(RemoveBlanks("\xB1 \xB2"), "\xB1\xB2");  // single-byte katakana are kept
    // 0x80 and 0xFD lead too: the blank after them stays.
    EXPECT_EQ(RemoveBlanks("\x80 \xFD\t"), "\x80 \xFD\t");
}

TEST(UpperCaseAscii, LeavesDoubleByteCharactersAlone) {
    // 0x83 0x61 ("ヂ") would become 0x83 0x41 ("ア"); 0x80 and 0xFD lead too.
    EXPECT_EQ(UpperCaseAscii("ab\x83\x61\x80z\xFDq\xB1x"), "AB\x83\x61\x80z\xFDq\xB1X");
}

TEST(CutToWholeCharacters, NeverEndsInsideADoubleByteCharacter) {
    const std::string ascii(300, 'a');
    EXPECT_EQ(CutToWholeCharacters(ascii, 255).size(), 255u);

    std::string mixed(254, 'a');
    mixed += "\x82\xA0";  // a double-byte character on bytes 255 and 256
    EXPECT_EQ(CutToWholeCharacters(mixed, 255).size(), 254u);

    // Trail bytes that look like lead bytes must not confuse the walk: 0x88 0x9F repeated
    // puts a lead-looking byte at every position.
    std::string kanji;
    for (int i = 0; i < 200; ++i) kanji += "\x88\x9F";
    EXPECT_EQ(CutToWholeCharacters(kanji, 255).size(), 254u);
    EXPECT_EQ(CutToWholeCharacters("abc", 255), "abc");

    for (const char* lead : {"\x80", "\xFD"}) {
        EXPECT_EQ(CutToWholeCharacters(std::string(254, 'a') + lead + "x", 255).size(), 254u);
    }
}

}  // namespace

}  // namespace rv17
