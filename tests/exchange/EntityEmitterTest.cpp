// Figure lines: their exact text, the geometry tests that drop degenerate
// figures and the values normalised on the way.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "tests/exchange/WriterTestSupport.h"

namespace rv17 {

namespace {

struct EmitCase {
    const char* name;
    std::function<void(OutputWriter&)> call;
    Lines expected;
};

void PrintTo(const EmitCase& c, std::ostream* out) { *out << c.name; }

class EntityEmitters : public ::testing::TestWithParam<EmitCase> {};

TEST_P(EntityEmitters, WriteExactLines) {
    const EmitCase& c = GetParam();
    WriterStore writer;
    c.call(writer.writer);
    EXPECT_EQ(writer.TakeLines(), c.expected) << c.name;
}

constexpr double kTol = 1e-8;

const std::vector<EmitCase> kLineCases = {
    {"line", [](OutputWriter& s) { EmitLine(s, 0, 0, 100, 0); }, {"0 0 100 0"}},
    {"line of reals",
     [](OutputWriter& s) { EmitLine(s, -1.5, 1.0 / 3.0, 1e-5, 2e16); },
     {"-1.5 0.333333333333333 1E-5 2E16"}},
    {"line ends coincide",
     [](OutputWriter& s) { EmitLine(s, 5, 5, 5 + 0.9 * kTol, 5 - 0.9 * kTol); },
     {}},
    {"line one coordinate apart",
     [](OutputWriter& s) { EmitLine(s, 5, 5, 5 + 0.9 * kTol, 6); },
     {"5 5 5.000000009 6"}},
    {"line exactly the tolerance apart",
     [](OutputWriter& s) { EmitLine(s, 0, 0, kTol, 0); },
     {"0 0 1E-8 0"}},
    {"solid segment", [](OutputWriter& s) { EmitSolidSegment(s, 0, 0, 5, 5); }, {"sl 0 0 5 5"}},
    {"solid segment ends coincide", [](OutputWriter& s) { EmitSolidSegment(s, 1, 2, 1, 2); }, {}},
    {"point", [](OutputWriter& s) { EmitPoint(s, 0.5, -7); }, {"pt 0.5 -7"}},
    {"parameter point",
     [](OutputWriter& s) { EmitParameterPoint(s, 2, 1, 2, 3.5, 4); },
     {"pt 1 2 3.5 4 2"}},
    {"parameter point code range",
     [](OutputWriter& s) {
         EmitParameterPoint(s, -7, 1, 2, 3, 4);
         EmitParameterPoint(s, 11, 1, 2, 3, 4);
         EmitParameterPoint(s, 12, 1, 2, 3, 4);
         EmitParameterPoint(s, -8, 1, 2, 3, 4);
     },
     {"pt 1 2 3 4 -7", "pt 1 2 3 4 11", "pt 1 2 3 4 -3", "pt 1 2 3 4 -3"}},
    {"parameter point param3 near zero",
     [](OutputWriter& s) {
         EmitParameterPoint(s, 0, 1, 2, 0, 4);
         EmitParameterPoint(s, 0, 1, 2, -kTol, 4);
         EmitParameterPoint(s, 0, 1, 2, 2 * kTol, 4);
     },
     {"pt 1 2 1 4 0", "pt 1 2 1 4 0", "pt 1 2 2E-8 4 0"}},
};

const std::vector<EmitCase> kCurveCases = {
    {"circle", [](OutputWriter& s) { EmitCircle(s, 50, 50, 5); }, {"ci 50 50 5"}},
    {"circle radius zero or tolerance",
     [](OutputWriter& s) {
         EmitCircle(s, 1, 1, 0);
         EmitCircle(s, 1, 1, kTol);
         EmitCircle(s, 1, 1, -3);
     },
     {}},
    {"arc",
     [](OutputWriter& s) { EmitArc(s, 1, 2, 3, 0.5, 0.25, 1.5, 0.75); },
     {"ci 1 2 3 0.5 0.25 1.5 0.75"}},
    {"arc degenerate",
     [](OutputWriter& s) {
         EmitArc(s, 1, 2, 0, 0.5, 0.25, 1.5, 0.75);
         EmitArc(s, 1, 2, 3, 0.5, 0.25, 0, 0.75);
         EmitArc(s, 1, 2, 3, 0.5, 0.25, -kTol, 0.75);
     },
     {}},
    {"se solid",
     [](OutputWriter& s) {
         EmitCircleSolid(s, CircleSolidMode::WholeCurve, 1, 2, 3, 0.5, 0.25, 0, 6.28318530717959);
     },
     {"se 1 2 3 0.5 0.25 0 6.28318530717959 100"}},
    {"se solid degenerate",
     [](OutputWriter& s) {
         EmitCircleSolid(s, CircleSolidMode::BetweenArcAndChord, 1, 2, 3, 0.5, 0, 0, 1);
         EmitCircleSolid(s, CircleSolidMode::Sector, 1, 2, 0, 0.5, 0, 0, 1);
         EmitCircleSolid(s, CircleSolidMode::Sector, 1, 2, 3, kTol, 0, 0, 1);
     },
     {}},
    {"se solid negative flatness",
     [](OutputWriter& s) { EmitCircleSolid(s, CircleSolidMode::Sector, 1, 2, 3, -0.5, 0, 0, 1); },
     {"se 1 2 3 -0.5 0 0 1 0"}},
};

const std::vector<EmitCase> kTextCases = {
    {"text",
     [](OutputWriter& s) { EmitText(s, 0, "abc", 10, 20, 1, 0); },
     {"ch 10 20 1 0 \"", "abc"}},
    {"text keys",
     [](OutputWriter& s) {
         for (int kind : {1, 2, 3, 4, 5, 6, 7, 8, 9, 12, -1}) EmitText(s, kind, "t", 0, 0, 0, 1);
     },
     {"cv 0 0 0 1 \"", "t", "cs 0 0 0 1 \"", "t", "cr 0 0 0 1 \"", "t", "co 0 0 0 1 \"", "t",
      "cp 0 0 0 1 \"", "t", "ct 0 0 0 1 \"", "t", "ck 0 0 0 1 \"", "t", "cz 0 0 0 1 \"", "t",
      "c2 0 0 0 1 \"", "t", "ch 0 0 0 1 \"", "t", "ch 0 0 0 1 \"", "t"}},
    {"text kept byte for byte",
     [](OutputWriter& s) { EmitText(s, 0, "  a b\x81\x40\"", 0, 0, 1, 1); },
     {"ch 0 0 1 1 \"", "  a b\x81\x40\""}},
    {"text without visible characters",
     [](OutputWriter& s) {
         EmitText(s, 0, "", 0, 0, 1, 0);
         EmitText(s, 0, " \t \x81\x40", 0, 0, 1, 0);
     },
     {}},
    {"text direction zero",
     [](OutputWriter& s) {
         EmitText(s, 0, "abc", 0, 0, 0, 0);
         EmitText(s, 0, "abc", 0, 0, kTol, -kTol);
     },
     {}},
    {"dimension",
     [](OutputWriter& s) { EmitDimension(s, "1500", 0, 0, 1500, 0, 750, 5, 1, 0); },
     {"msg", "0 0 1500 0", "cs 750 5 1 0 \"", "1500"}},
    {"dimension measured length",
     [](OutputWriter& s) {
         EmitDimension(s, "", 0, 0, 3, 4, 1, 1, 1, 0);
         EmitDimension(s, "  ", 0, 0, 1, 1, 1, 1, 1, 0);
         EmitDimension(s, "", 0, 0, 0.123456789, 0, 1, 1, 1, 0);
     },
     {"msg", "0 0 3 4", "cs 1 1 1 0 \"", "5", "msg", "0 0 1 1", "cs 1 1 1 0 \"", "1.41421356",
      "msg", "0 0 0.123456789 0", "cs 1 1 1 0 \"", "0.12345679"}},
    {"dimension degenerate",
     [](OutputWriter& s) {
         EmitDimension(s, "1", 0, 0, 0, 0, 1, 1, 1, 0);
         EmitDimension(s, "1", 0, 0, 1, 0, 1, 1, 0, 0);
     },
     {}},
};

INSTANTIATE_TEST_SUITE_P(LinesAndPoints, EntityEmitters, ::testing::ValuesIn(kLineCases));
INSTANTIATE_TEST_SUITE_P(Curves, EntityEmitters, ::testing::ValuesIn(kCurveCases));
INSTANTIATE_TEST_SUITE_P(Texts, EntityEmitters, ::testing::ValuesIn(kTextCases));

TEST(EntityEmitters, NonFiniteCoordinatesAreWrittenNotDropped) {
    WriterStore writer;
    EmitLine(writer.writer, 0, 0, INFINITY, NAN);
    EXPECT_EQ(writer.TakeLines(), (Lines{"0 0 INF NAN"}));
}

TEST(MeasuredLength, RoundsToEightDecimals) {
    EXPECT_EQ(MeasuredLength(0, 0, 3, 4), 5.0);
    EXPECT_EQ(RealText(MeasuredLength(0, 0, 1, 1)), "1.41421356");
    EXPECT_EQ(RealText(MeasuredLength(0, 0, 0.000000016, 0)), "2E-8");
    EXPECT_EQ(RealText(MeasuredLength(10, 10, 10, 10.000000004)), "0");
}

TEST(ListIndexMaps, MapEntriesToNumbers) {
    WriterStore writer;
    writer.store.initial.initialColour = 6;
    writer.store.initial.initialLineType = 4;
    const struct {
        int index, colour, lineType;
    } cases[] = {{-1, 6, 4},    {0, 6, 4},     {1, 1, 1},     {8, 8, 8},     {9, 9, 9},
                 {10, 101, 11}, {14, 105, 15}, {18, 109, 19}, {19, 110, 31}, {25, 116, 37},
                 {26, 117, 38}, {34, 125, 46}, {35, 126, 47}, {50, 141, 62}, {265, 356, 277}};
    for (const auto& c : cases) {
        EXPECT_EQ(ColourFromListIndex(writer.store, c.index), c.colour) << c.index;
        EXPECT_EQ(LineTypeFromListIndex(writer.store, c.index), c.lineType) << c.index;
    }
}

}  // namespace

}  // namespace rv17
