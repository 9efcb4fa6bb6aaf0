// Preset lists as comma texts: reading any text, writing so that reading gives the items back.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "ui/CommaText.h"

namespace rv17 {

namespace {

struct ReadCase {
    std::string text;
    PresetList items;
};

class CommaTextReading : public testing::TestWithParam<ReadCase> {};

TEST_P(CommaTextReading, GivesTheItems) {
    EXPECT_EQ(CommaTextToItems(GetParam().text), GetParam().items);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CommaTextReading,
    testing::Values(ReadCase{"", {}}, ReadCase{"  \t", {}}, ReadCase{R"("")", {""}},
                    ReadCase{R"("0.3","0.5","1")", {"0.3", "0.5", "1"}},
                    ReadCase{"0.3,0.5,1", {"0.3", "0.5", "1"}}, ReadCase{"  a , b  ", {"a", "b"}},
                    ReadCase{"a b", {"a", "b"}},  // a blank ends a bare item
                    ReadCase{"a\x01"
                             "b",
                             {"a", "b"}},  // so does a control character
                    ReadCase{R"("a b","c""d")", {"a b", "c\"d"}}, ReadCase{R"("a,b")", {"a,b"}},
                    ReadCase{"a,", {"a", ""}},  // a comma at the very end adds an empty item
                    ReadCase{"a, ", {"a"}},     // not when a blank follows it
                    ReadCase{",a", {"", "a"}}, ReadCase{",,", {"", "", ""}},
                    ReadCase{R"("unterminated)", {"unterminated"}},
                    ReadCase{R"("ab"cd)", {"ab", "cd"}},
                    ReadCase{"\x83\x41,\x83\x61", {"\x83\x41", "\x83\x61"}}));

struct WriteCase {
    PresetList items;
    std::string text;
};

class CommaTextWriting : public testing::TestWithParam<WriteCase> {};

TEST_P(CommaTextWriting, QuotesOnlyWhatNeedsIt) {
    EXPECT_EQ(ItemsToCommaText(GetParam().items), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, CommaTextWriting,
    testing::Values(WriteCase{{}, ""}, WriteCase{{""}, R"("")"},
                    WriteCase{{"0.3", "10", "-1"}, "0.3,10,-1"}, WriteCase{{"a b"}, R"("a b")"},
                    WriteCase{{"c\"d"}, R"("c""d")"}, WriteCase{{"a,b", "x"}, R"("a,b",x)"},
                    WriteCase{{"", "a"}, ",a"}, WriteCase{{"a", ""}, "a,"},
                    WriteCase{{"", ""}, ","},
                    WriteCase{{std::string("n\0l", 3)}, std::string("\"n\0l\"", 5)},
                    WriteCase{{"\x83\x41\x83\x62"}, "\x83\x41\x83\x62"}));

std::string AsLiteral(const PresetList& items) {
    std::string literal = "{";
    for (const auto& item : items) {
        literal += '"';
        for (const char c : item) {
            constexpr char kHex[] = "0123456789ABCDEF";
            const auto byte = static_cast<unsigned char>(c);
            literal += "\\x";
            literal += kHex[byte >> 4];
            literal += kHex[byte & 15];
        }
        literal += "\", ";
    }
    return literal + "}";
}

// Every list, whatever bytes its items hold, comes back from its comma text unchanged.
TEST(CommaText, RoundTripsListsOfAnyBytes) {
    const std::string alphabet{'a', '1', ' ', ',', '"', '\t', '\0', '\x83', '\x41', '-', '\r'};
    std::mt19937 random(17);
    std::uniform_int_distribution<std::size_t> count(0, 4);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    for (int trial = 0; trial < 3000; ++trial) {
        PresetList items(count(random));
        for (auto& item : items) {
            for (std::size_t n = count(random); n > 0; --n) item += alphabet[pick(random)];
        }
        const std::string text = ItemsToCommaText(items);
        ASSERT_EQ(CommaTextToItems(text), items) << "items " << AsLiteral(items);
    }
}

}  // namespace

}  // namespace rv17
