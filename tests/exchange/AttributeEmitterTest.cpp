// Change tracking of the attribute lines: what each emitter writes, given
// what was written before it.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/exchange/WriterTestSupport.h"

namespace rv17 {

namespace {

using Call = std::function<void(OutputWriter&)>;

struct Step {
    Call call;
    Lines expected;  // the lines this call appends
};

struct TrackingCase {
    const char* name;
    std::function<void(EntityStore&)> setup;  // adjusts the drawing before the first call
    std::vector<Step> steps;
};

Call Lg(int v) {
    return [v](OutputWriter& s) { EmitLayerGroup(s, v); };
}
Call Ly(int v) {
    return [v](OutputWriter& s) { EmitLayer(s, v); };
}
Call Lc(int v) {
    return [v](OutputWriter& s) { EmitColour(s, v); };
}
Call Lt(int v) {
    return [v](OutputWriter& s) { EmitLineType(s, v); };
}
Call Lw(int v) {
    return [v](OutputWriter& s) { EmitLineWidth(s, v); };
}
Call Rgb(int v) {
    return [v](OutputWriter& s) { EmitRgbColour(s, v); };
}
Call Cc(int v) {
    return [v](OutputWriter& s) { EmitCcValue(s, v); };
}
Call Pn(int v) {
    return [v](OutputWriter& s) { EmitPointColour(s, v); };
}
Call Font(std::string name) {
    return [name](OutputWriter& s) { EmitFontName(s, name); };
}
Call Size(int no, int colour, double w, double h, double sp) {
    return [=](OutputWriter& s) { EmitTextSize(s, no, colour, w, h, sp); };
}
Call Z(int v) {
    return [v](OutputWriter& s) { EmitZFlags(s, v); };
}

void NoSetup(EntityStore&) {}
void WithWidths(EntityStore& s) {
    s.lineWidthSeen = true;
    s.initial.initialLineWidth = 25;
}

void PrintTo(const TrackingCase& c, std::ostream* out) { *out << c.name; }

class AttributeTracking : public ::testing::TestWithParam<TrackingCase> {};

TEST_P(AttributeTracking, WritesOnlyWhatChanged) {
    const TrackingCase& c = GetParam();
    WriterStore writer;
    c.setup(writer.store);
    for (std::size_t i = 0; i < c.steps.size(); ++i) {
        c.steps[i].call(writer.writer);
        EXPECT_EQ(writer.TakeLines(), c.steps[i].expected) << c.name << ", step " << i;
    }
}

const std::vector<TrackingCase> kLayerCases = {
    {"first values always written",
     NoSetup,
     {{Lg(0), {"lg0"}}, {Ly(0), {"ly0"}}, {Lg(0), {}}, {Ly(0), {}}}},
    {"group change rewrites unchanged layer",
     NoSetup,
     {{Lg(0), {"lg0"}}, {Ly(2), {"ly2"}}, {Lg(1), {"lg1"}}, {Ly(2), {"ly2"}}, {Ly(2), {}}}},
    {"layer change alone",
     NoSetup,
     {{Lg(3), {"lg3"}}, {Ly(2), {"ly2"}}, {Lg(3), {}}, {Ly(4), {"ly4"}}}},
    {"hexadecimal digits",
     NoSetup,
     {{Lg(10), {"lgA"}}, {Ly(15), {"lyF"}}, {Lg(11), {"lgB"}}, {Ly(15), {"lyF"}}}},
    {"values beyond one digit", NoSetup, {{Lg(16), {"lg10"}}, {Ly(-1), {"lyFFFFFFFF"}}}},
};

const std::vector<TrackingCase> kColourCases = {
    {"colour once per change",
     NoSetup,
     {{Lc(1), {"lc1"}},
      {Lc(1), {}},
      {Lc(3), {"lc3"}},
      {Lt(1), {"lt1"}},
      {Lt(1), {}},
      {Lt(2), {"lt2"}}}},
    {"rgb line counts as colour 10",
     NoSetup,
     {{Lc(3), {"lc3"}}, {Rgb(255), {"lc10 255"}}, {Lc(10), {}}, {Rgb(255), {}}, {Lc(4), {"lc4"}}}},
    {"same rgb once, other rgb again",
     NoSetup,
     {{Rgb(16711680), {"lc10 16711680"}}, {Rgb(16711680), {}}, {Rgb(65280), {"lc10 65280"}}}},
    {"rgb after another colour is written again",
     NoSetup,
     {{Rgb(7), {"lc10 7"}}, {Lc(5), {"lc5"}}, {Rgb(7), {"lc10 7"}}}},
    {"rgb out of range becomes 0",
     NoSetup,
     {{Rgb(-1), {"lc10 0"}}, {Rgb(16777216), {}}, {Rgb(16777215), {"lc10 16777215"}}}},
    {"first rgb written even as 0", NoSetup, {{Rgb(0), {"lc10 0"}}}},
    // A written colour clears the RGB pending flag, so the default RGB value
    // counts as written after "lc10".
    {"colour 10 then default rgb",
     NoSetup,
     {{Lc(10), {"lc10"}}, {Rgb(0), {}}, {Rgb(5), {"lc10 5"}}}},
    {"unchanged colour leaves rgb pending",
     NoSetup,
     {{Lc(1), {"lc1"}}, {Lc(1), {}}, {Rgb(0), {"lc10 0"}}}},
};

const std::vector<TrackingCase> kWidthCases = {
    {"no widths in the input", NoSetup, {{Lw(0), {}}, {Lw(-1), {}}, {Lw(50), {}}}},
    {"widths normalised",
     WithWidths,
     {{Lw(-1), {"lw25"}},
      {Lw(25), {}},
      {Lw(30001), {"lw0"}},
      {Lw(-5), {}},
      {Lw(30000), {"lw30000"}}}},
    {"initial width beyond range",
     [](EntityStore& s) {
         s.lineWidthSeen = true;
         s.initial.initialLineWidth = 40000;
     },
     {{Lw(-1), {"lw0"}}, {Lw(7), {"lw7"}}}},
};

const std::vector<TrackingCase> kTextCases = {
    {"size number once",
     NoSetup,
     {{Size(3, 2, 1, 1, 0), {"cn3"}}, {Size(3, 5, 9, 9, 9), {}}, {Size(4, 2, 1, 1, 0), {"cn4"}}}},
    {"free size compared exactly",
     NoSetup,
     {{Size(0, 3, 2.5, 2.5, 0.5), {"cn0 2.5 2.5 0.5 3"}},
      {Size(0, 3, 2.5, 2.5, 0.5), {}},
      {Size(0, 4, 2.5, 2.5, 0.5), {"cn0 2.5 2.5 0.5 4"}},
      {Size(0, 4, 0.1 + 0.2, 2.5, 0.5), {"cn0 0.3 2.5 0.5 4"}},
      {Size(0, 4, 0.3, 2.5, 0.5), {"cn0 0.3 2.5 0.5 4"}}}},
    {"free size kept across numbered sizes",
     NoSetup,
     {{Size(0, 1, 2, 2, 0), {"cn0 2 2 0 1"}},
      {Size(5, 9, 7, 7, 7), {"cn5"}},
      {Size(0, 1, 2, 2, 0), {"cn0 2 2 0 1"}}}},
    {"size out of range takes initial free size",
     [](EntityStore& s) {
         s.initial.initialSizeNo = 0;
         s.initial.initialFreeSize = TextSize{4.5, 5, 0.25, 6};
     },
     {{Size(11, 2, 1, 1, 1), {"cn0 4.5 5 0.25 6"}}, {Size(-1, 3, 8, 8, 8), {}}}},
    {"size out of range takes initial number",
     [](EntityStore& s) { s.initial.initialSizeNo = 4; },
     {{Size(-1, 2, 1, 1, 1), {"cn4"}},
      {Size(4, 2, 1, 1, 1), {}},
      {Size(10, 2, 1, 1, 1), {"cn10"}}}},
    {"cc values", NoSetup, {{Cc(9), {"cc0"}}, {Cc(-1), {}}, {Cc(8), {"cc8"}}, {Cc(8), {}}}},
    {"font names",
     [](EntityStore& s) { s.initial.initialFontName = "Mincho"; },
     {{Font("\x82\x6C\x82\x72 Gothic"), {"cn\"$\x82\x6C\x82\x72 Gothic"}},
      {Font("\x82\x6C\x82\x72 Gothic"), {}},
      {Font(""), {"cn\"$Mincho"}},
      {Font("<>"), {}},
      {Font("mincho"), {"cn\"$mincho"}}}},
    {"default font written once",
     NoSetup,
     {{Font(std::string(kDefaultFontName)), {"cn\"$" + std::string(kDefaultFontName)}}}},
    {"point colour", NoSetup, {{Pn(1), {"pn1"}}, {Pn(1), {}}, {Pn(9), {"pn9"}}}},
};

const std::vector<TrackingCase> kZFlagCases = {
    {"z flags at every call",
     NoSetup,
     {{Z(0), {}},
      {Z(1), {"z1"}},
      {Z(1), {"z1"}},
      {Z(5), {"z1", "z3"}},
      {Z(8), {"z4"}},
      {Z(24), {"z5"}},
      {Z(31), {"z1", "z2", "z3", "z5"}},
      {Z(32), {}}}},
};

INSTANTIATE_TEST_SUITE_P(Layers, AttributeTracking, ::testing::ValuesIn(kLayerCases));
INSTANTIATE_TEST_SUITE_P(Colours, AttributeTracking, ::testing::ValuesIn(kColourCases));
INSTANTIATE_TEST_SUITE_P(Widths, AttributeTracking, ::testing::ValuesIn(kWidthCases));
INSTANTIATE_TEST_SUITE_P(Texts, AttributeTracking, ::testing::ValuesIn(kTextCases));
INSTANTIATE_TEST_SUITE_P(ZFlags, AttributeTracking, ::testing::ValuesIn(kZFlagCases));

// A new writer writes the first cc value, font and colours even when they
// are the host's defaults, and so does one whose tracking is reset.
TEST(AttributeTracking, ResetMakesEveryAttributePending) {
    WriterStore writer;
    for (int round = 0; round < 2; ++round) {
        EmitCcValue(writer.writer, 0);
        EmitPointColour(writer.writer, 1);
        EmitFontName(writer.writer, kDefaultFontName);
        EXPECT_EQ(writer.TakeLines(),
                  (Lines{"cc0", "pn1", "cn\"$" + std::string(kDefaultFontName)}));
        ResetCurrentAttributes(writer.writer);
    }
}

TEST(AttributeTracking, LongFontNameIsCutWithoutSplittingACharacter) {
    WriterStore writer;
    std::string name(250, 'a');
    name += "\x83\x53\x83\x56\x83\x62";  // the fourth character would cross byte 255
    EmitFontName(writer.writer, name);
    const Lines lines = writer.TakeLines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "cn\"$" + std::string(250, 'a'));
}

}  // namespace

}  // namespace rv17
