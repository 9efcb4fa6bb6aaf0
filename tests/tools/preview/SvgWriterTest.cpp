// Numbers, colours and escaped texts of the SVG output, and its buffering.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "tools/preview/SvgWriter.h"

namespace rv17 {

namespace {

struct NumberCase {
    double value;
    std::string_view expected;
};

class NumberTable : public testing::TestWithParam<NumberCase> {};

TEST_P(NumberTable, HasAtMostFourDecimals) {
    const NumberCase c = GetParam();
    std::string text;
    AppendNumber(text, c.value);
    EXPECT_EQ(text, c.expected) << "AppendNumber(" << std::hexfloat << c.value << ")";
}

INSTANTIATE_TEST_SUITE_P(
    Svg, NumberTable,
    testing::Values(NumberCase{0.0, "0"}, NumberCase{-0.0, "0"}, NumberCase{-0.00004, "0"},
                    NumberCase{1.5, "1.5"}, NumberCase{-2.25, "-2.25"},
                    NumberCase{1.23456, "1.2346"}, NumberCase{0.00005, "0.0001"},
                    NumberCase{-0.00005, "-0.0001"}, NumberCase{0.0102, "0.0102"},
                    NumberCase{200.0, "200"}, NumberCase{123456789.12345678, "123456789.1235"},
                    NumberCase{1e9, "1000000000"}, NumberCase{-1e9, "-1000000000"},
                    NumberCase{0.99999, "1"}, NumberCase{4.5e9, "4500000000"},
                    NumberCase{-12345678901.25, "-12345678901.25"},
                    // Never printed: figures with such values are left out before.
                    NumberCase{1.1e14, "0"},
                    NumberCase{std::numeric_limits<double>::quiet_NaN(), "0"},
                    NumberCase{-std::numeric_limits<double>::infinity(), "0"}));

struct TextCase {
    std::string_view utf8;
    std::string_view expected;
};

class TextTable : public testing::TestWithParam<TextCase> {};

TEST_P(TextTable, IsEscapedForXml) {
    const TextCase c = GetParam();
    std::string out;
    StringSink sink(out);
    SvgWriter(sink).Text(c.utf8);
    EXPECT_EQ(out, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Svg, TextTable,
    testing::Values(TextCase{"plain", "plain"},
                    TextCase{"a<b>&\"c\"'", "a&lt;b&gt;&amp;&quot;c&quot;&apos;"},
                    TextCase{"\xE3\x81\x82\xE2\x80\xA2", "\xE3\x81\x82\xE2\x80\xA2"},
                    TextCase{"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
                    // Malformed UTF-8: a stray continuation byte, a cut sequence, an
                    // overlong slash, an encoded surrogate.
                    TextCase{"a\x80z", "a\xEF\xBF\xBDz"},
                    TextCase{"\xE3\x81", "\xEF\xBF\xBD\xEF\xBF\xBD"},
                    TextCase{"\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},
                    TextCase{"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
                    // Characters XML does not allow.
                    TextCase{std::string_view("a\0b", 3),
                             "a\xEF\xBF\xBD"
                             "b"},
                    TextCase{"\x01", "\xEF\xBF\xBD"}, TextCase{"\xEF\xBF\xBE", "\xEF\xBF\xBD"},
                    TextCase{"tab\there", "tab\there"}));

TEST(SvgWriter, WritesColoursAsSixHexDigits) {
    std::string out;
    StringSink sink(out);
    SvgWriter(sink).Colour(0x0080FF).Char(' ').Colour(0).Char(' ').Colour(0xABCDEF);
    EXPECT_EQ(out, "#0080ff #000000 #abcdef");
}

// Bytes pass through the buffer unchanged and in order, across its flushes.
TEST(SvgWriter, LongOutputArrivesWhole) {
    std::string out;
    std::string expected;
    {
        StringSink sink(out);
        SvgWriter writer(sink);
        for (int i = 0; i < 40000; ++i) {
            writer.Char('M').Number(i * 0.25).Raw(" ");
            std::string number;
            AppendNumber(number, i * 0.25);
            expected += "M" + number + " ";
        }
    }
    EXPECT_EQ(out, expected);
}

}  // namespace

}  // namespace rv17
