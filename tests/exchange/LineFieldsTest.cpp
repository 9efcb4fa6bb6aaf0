// Cutting a line into fields, byte by byte.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exchange/LineFields.h"
#include "tests/exchange/ReaderTestSupport.h"

namespace rv17 {

namespace {

std::vector<std::string> Cut(std::string line) {
    LineFields fields;
    CutLineInPlace(line.data(), line.size(), fields);
    std::vector<std::string> result;
    for (std::size_t i = 0; i < fields.count; ++i) result.emplace_back(fields[i]);
    return result;
}

struct CutCase {
    const char* what;
    std::string line;
    std::vector<std::string> fields;
};

class LineFieldsCut : public testing::TestWithParam<CutCase> {};

TEST_P(LineFieldsCut, GivesTheFields) {
    EXPECT_EQ(Cut(GetParam().line), GetParam().fields) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, LineFieldsCut,
    testing::Values(
        CutCase{"blanks separate once", "ci  10\t 20   5", {"ci", "10", "20", "5"}},
        CutCase{"leading blanks skipped", "   \t pl", {"pl"}},
        CutCase{"trailing blank adds an empty field", "ci 10 20 5 ", {"ci", "10", "20", "5", ""}},
        CutCase{"empty line", "", {""}}, CutCase{"blank line", " \t  ", {""}},
        CutCase{"quote keeps the rest, closing quote included",
                "ch 1 2 3 4 \"a  b\" c",
                {"ch", "1", "2", "3", "4", "a  b\" c"}},
        CutCase{"quote inside the key is dropped",
                "cn\"$\x82\x6C\x82\x72 \x96\xBE\x92\xA9",
                {"cn$\x82\x6C\x82\x72 \x96\xBE\x92\xA9"}},
        CutCase{"equals sign kept, rest one field", "file=C:\\a b\\c.jww", {"file=C:\\a b\\c.jww"}},
        CutCase{"equals sign after a field", "x y=1 2", {"x", "y=1 2"}},
        CutCase{"trail byte 0x5C stays with its lead",
                "ch 1 2 3 4 \x83\x5C\x95\x5C",
                {"ch", "1", "2", "3", "4", "\x83\x5C\x95\x5C"}},
        CutCase{"trail byte quote opens no quotation", "a\x81\x22 b", {"a\x81\x22", "b"}},
        CutCase{"trail byte blank ends no field",
                "a\x81\x20"
                "b c",
                {"a\x81\x20"
                 "b",
                 "c"}},
        CutCase{"lone lead byte at the end dropped", "ab\x82", {"ab"}},
        CutCase{"lone lead byte after a blank", "ab \x82", {"ab", ""}},
        CutCase{"0x80 and 0xFD keep the blank or quote after them",
                "a\x80 b\xFD\" c",
                {"a\x80 b\xFD\"", "c"}},
        CutCase{"lone 0xFD at the end dropped", "ab\xFD", {"ab"}},
        CutCase{"0xFE and 0xFF dropped",
                "a\xFE"
                "b\xFF",
                {"ab"}},
        CutCase{"control bytes and NUL dropped",
                Bytes("a\x01"
                      "b\0c\r"),
                {"abc"}},
        CutCase{"tab inside a quotation dropped", "x \"a\tb", {"x", "ab"}},
        CutCase{"single-byte katakana kept", "\xB1\xB2 \xDF", {"\xB1\xB2", "\xDF"}},
        CutCase{"full-width blank is a character",
                "a\x81\x40"
                "b",
                {"a\x81\x40"
                 "b"}}),
    [](const testing::TestParamInfo<CutCase>& testCase) {
        return "Case" + std::to_string(testCase.index);
    });

std::string NumberedFields(int count) {
    std::string line;
    for (int i = 1; i <= count; ++i) line += std::to_string(i) + " ";
    return line;
}

TEST(LineFields, KeepsFourHundredFieldsAndDropsTheRest) {
    const auto fields = Cut(NumberedFields(401) + "\"tail with blanks");
    ASSERT_EQ(fields.size(), LineFields::kMaxFields);
    EXPECT_EQ(fields.front(), "1");
    EXPECT_EQ(fields.back(), "400");
}

TEST(LineFields, FourHundredFieldsWithTrailingBlankStayFourHundred) {
    const auto fields = Cut(NumberedFields(400));
    ASSERT_EQ(fields.size(), LineFields::kMaxFields);
    EXPECT_EQ(fields.back(), "400");
}

TEST(LineFields, VeryLongFieldIsKeptWhole) {
    const std::string text(1'000'000, 'x');
    const auto fields = Cut("ch 1 2 3 4 \"" + text);
    ASSERT_EQ(fields.size(), 6u);
    EXPECT_EQ(fields[5], text);
}

}  // namespace

}  // namespace rv17
