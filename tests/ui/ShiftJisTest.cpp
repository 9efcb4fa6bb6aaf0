// Conversion of interface texts between UTF-8 and Shift-JIS.
#include <gtest/gtest.h>

#include "ui/ShiftJis.h"

namespace rv17 {

namespace {

struct CodecCase {
    const char* utf8;
    const char* shiftJis;
};

class ShiftJisRoundTrip : public testing::TestWithParam<CodecCase> {};

TEST_P(ShiftJisRoundTrip, ConvertsBothWays) {
    EXPECT_EQ(Utf8ToShiftJis(GetParam().utf8), GetParam().shiftJis);
    EXPECT_EQ(ShiftJisToUtf8(GetParam().shiftJis), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ShiftJisRoundTrip,
    testing::Values(CodecCase{"", ""}, CodecCase{"abc 1.5", "abc 1.5"},
                    CodecCase{"<ＭＳ ゴシック>",
                              "<\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E>"},
                    CodecCase{"表", "\x95\x5C"},                 // trail byte 0x5C
                    CodecCase{"ｷｬﾝｾﾙ", "\xB7\xAC\xDD\xBE\xD9"},  // half-width katakana
                    CodecCase{"①", "\x87\x40"},                  // a code page 932 extension
                    CodecCase{"　", "\x81\x40"}));

TEST(ShiftJis, InvalidBytesBecomeReplacementCharacters) {
    EXPECT_EQ(ShiftJisToUtf8("a\xFF"
                             "b"),
              "a\xEF\xBF\xBD"
              "b");
    EXPECT_EQ(ShiftJisToUtf8("x\x82"), "x\xEF\xBF\xBD");  // a lead byte without its trail byte
}

TEST(ShiftJis, CharactersWithoutAShiftJisFormBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToShiftJis("a\xF0\x9F\x98\x80"
                             "b"),
              "a?b");  // an emoji
}

}  // namespace

}  // namespace rv17
