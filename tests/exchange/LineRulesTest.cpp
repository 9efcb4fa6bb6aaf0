// The rule table of the reader, line by line.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/exchange/ReaderTestSupport.h"

namespace rv17 {

namespace {

// The kinds of the entities in file order.
std::vector<EntityKind> Kinds(const EntityStore& store) {
    std::vector<EntityKind> kinds;
    for (std::size_t i = 0; i < store.EntityOrder.Count(); ++i)
        kinds.push_back(store.EntityOrder[i].kind);
    return kinds;
}

using K = EntityKind;

struct KindsCase {
    std::vector<std::string_view> lines;
    std::vector<EntityKind> kinds;
};

class LineRulesKinds : public testing::TestWithParam<KindsCase> {};

TEST_P(LineRulesKinds, CreateTheseEntities) {
    auto store = NewStore();
    ExchangeReader reader(*store);
    std::string listing;
    for (const std::string_view line : GetParam().lines) {
        reader.Line(line);
        listing.append("\"").append(line).append("\" ");
    }
    EXPECT_EQ(Kinds(*store), GetParam().kinds) << listing;
}

INSTANTIATE_TEST_SUITE_P(
    FieldCounts, LineRulesKinds,
    testing::Values(KindsCase{{"ci 10 20 5"}, {K::Circle}},
                    KindsCase{{"ci 10 20 5 "}, {}},  // the trailing blank makes five fields
                    KindsCase{{"ci 10 20 5 0 90 1 0"}, {K::Arc}},
                    KindsCase{{"ci 10 20 5 0 90 1"}, {}}, KindsCase{{"pt 1 2"}, {K::Point}},
                    KindsCase{{"pt 1 2 3"}, {K::Line}},  // four fields: a line from (0, 1)
                    KindsCase{{"pt 1 2 3 4"}, {}}, KindsCase{{"pt 1 2 3 4 5"}, {K::PointEx}},
                    KindsCase{{"BL 1 2 name"}, {K::Block}}, KindsCase{{"BL 1 2"}, {}},
                    KindsCase{{"ch 1 2 1 0"}, {}}, KindsCase{{"ch 1 2 1 0 x"}, {K::Text}},
                    KindsCase{{"c2 1 2 1 0 x extra"}, {K::Text}}, KindsCase{{"cx 1 2 1 0 x"}, {}},
                    KindsCase{{"sl 1 2 3 4"}, {K::SolidSegment}}, KindsCase{{"sl 1 2 3 4 5"}, {}},
                    KindsCase{{"sl 1 2 3 4 5 6 7"}, {}},
                    KindsCase{{"sc 1 2 3 1 0 0 1 5"}, {K::CircleSolid}},
                    KindsCase{{"sc 1 2 3 1 0 0 1"}, {}},
                    KindsCase{{"se 1 2 3 1 0 0 1 100"}, {K::SeCircleSolid}},
                    KindsCase{{"so 1 2 3 1 0 0 1 2"}, {K::RingSolid}},
                    KindsCase{{"sg 1 2 3 1 0 0 1 2"}, {K::ConstantWidthRingSolid}},
                    KindsCase{{"hn 1 2 3"}, {K::Line}},  // too few fields for "hn"
                    KindsCase{{"hk 1 2 3"}, {}},         // "hk" takes the line
                    KindsCase{{"lc1 2 3 4"}, {}},
                    KindsCase{{"SL 1 2 3 4 5 6"}, {}},  // keys are case-sensitive
                    KindsCase{{"", "   ", "\t \t"}, {}},
                    KindsCase{{"msg", "0 0 10 0", "cs 5 1 1 0 \"10"}, {K::Dimension}},
                    KindsCase{{"msg", "0 0 10 0", "ch 5 1 1 0 \"10"}, {K::Text}},
                    KindsCase{{"msg", "pl", "0 0 10 0"}, {K::Line}},
                    KindsCase{{"msg", "#", "0 0 10 0", "cs 5 1 1 0 x"}, {K::Line, K::Text}},
                    KindsCase{{"msg", "ci 1 1 1", "cs 5 1 1 0 x"}, {K::Circle, K::Text}}));

TEST(LineRules, CircleAndArcTakeTheirNumbers) {
    const auto store = StoreFromLines({"ci  10  20  5", "ci 1 2 3 4 5 6 7 8"});
    EXPECT_EQ(store->circles[0].cx, 10.0);
    EXPECT_EQ(store->circles[0].radius, 5.0);
    const ArcRecord& arc = store->arcs[0];
    EXPECT_EQ(arc.cy, 2.0);
    EXPECT_EQ(arc.arcValue4, 4.0);
    EXPECT_EQ(arc.arcValue7, 7.0);
}

TEST(LineRules, NumbersThatDoNotConvertOrAreNotFiniteBecomeZero) {
    const auto store = StoreFromLines({"ci 1e999 nan 5", "-1e999 inf 1e308 x"});
    EXPECT_EQ(store->circles[0].cx, 0.0);
    EXPECT_EQ(store->circles[0].cy, 0.0);
    const LineRecord& line = store->lines[0];
    EXPECT_EQ(line.x1, 0.0);
    EXPECT_EQ(line.y1, 0.0);
    EXPECT_EQ(line.x2, 1e308);
    EXPECT_EQ(line.y2, 0.0);
}

TEST(LineRules, LayerGroupAndLayerReadOneHexadecimalCharacter) {
    struct Case {
        const char* line;
        std::int32_t group;
    } cases[] = {{"lgA 2", 10}, {"lgG 3", 0}, {"lg 4", 0}, {"lg1x 5", 1}, {"lgf", 15}};
    for (const Case& c : cases) {
        EXPECT_EQ(StateAfterLines({c.line}).current.layerGroup, c.group) << c.line;
    }
    const auto store = StoreFromLines({"lgA 2", "ly3 7", "lyn\x95\xC7 \x82\xA0"});
    EXPECT_EQ(store->layerGroupValue[10], 2);
    EXPECT_EQ(store->layerValue[10][3], 7);
    EXPECT_EQ(store->layerNames[10][3], "\x95\xC7 \x82\xA0");
}

TEST(LineRules, ColourTenCarriesTheRgbValueUntilChanged) {
    const auto store = StoreFromLines({"lc10 16711680", "lc3", "lc10", "sl 0 0 5 0 0 5"});
    EXPECT_EQ(store->triangleSolids[0].rgbColour, 16711680);
    EXPECT_EQ(store->triangleSolids[0].header.colour, 10);
}

TEST(LineRules, FirstValuesAreCapturedOnce) {
    const std::initializer_list<std::string_view> lines = {
        "lc3",       "lc5",   "lg2",
        "lg4",       "ly1",   "lt2",
        "lt9",       "lw25",  "cn0 2.5 2.5 0 3",
        "cn4",       "cn\"$", "cn\"$\x82\x6C\x82\x72 \x96\xBE\x92\xA9",
        "cn\"$Other"};
    const auto store = StoreFromLines(lines);
    const ReaderState state = StateAfterLines(lines);
    const InitialAttributes& initial = store->initial;
    EXPECT_EQ(initial.initialColour, 3);
    EXPECT_EQ(state.current.colour, 5);
    EXPECT_EQ(initial.initialLayerGroup, 2);
    EXPECT_EQ(initial.initialLayer, 1);
    EXPECT_EQ(initial.initialLineType, 2);
    EXPECT_EQ(initial.initialLineWidth, 25);
    EXPECT_TRUE(store->lineWidthSeen);
    EXPECT_EQ(initial.initialSizeNo, 0);
    EXPECT_EQ(initial.initialFreeSize.charWidth, 2.5);
    EXPECT_EQ(initial.initialFreeSize.colour, 3);
    EXPECT_EQ(initial.initialFontName,
              "\x82\x6C\x82\x72 \x96\xBE\x92\xA9");  // the first non-empty name
    EXPECT_EQ(state.current.fontName, "Other");
}

TEST(LineRules, TextsTakeTheSizeTableOrTheFreeSize) {
    const auto store =
        StoreFromLines({"hcw 1 2 3 4 5 6 7 8 9 10", "hcc 11 12 13 14 15 16 17 18 19 20", "cn4",
                        "cc3", "ct 1 2 0 1 \"a  b\"", "cn0 2.5 2.5 0 3", "ch 5 6 1 0 word more",
                        "cn0 9 9", "cv 0 0 1 0 x"});
    const TextRecord& sized = store->texts[0];
    EXPECT_EQ(sized.textKind, 6);
    EXPECT_EQ(sized.charWidth, 4.0);
    EXPECT_EQ(sized.header.colour, 14);
    EXPECT_EQ(sized.ccValue, 3);
    EXPECT_EQ(sized.text.View(), "a  b\"");
    EXPECT_EQ(sized.fontName.View(), kDefaultFontName);
    const TextRecord& free = store->texts[1];
    EXPECT_EQ(free.sizeNo, 0);
    EXPECT_EQ(free.charHeight, 2.5);
    EXPECT_EQ(free.header.colour, 3);
    EXPECT_EQ(free.text.View(), "word");
    EXPECT_EQ(free.x, 5.0);
    EXPECT_EQ(store->texts[2].charWidth, 2.5);  // "cn0" with too few numbers keeps the free size
}

TEST(LineRules, LongTextIsCutWithoutSplittingACharacter) {
    const std::string text = std::string(254, 'a') + "\x82\xA0" + "tail";
    const auto store = StoreFromLines({"ch 0 0 1 0 \"" + text});
    EXPECT_EQ(store->texts[0].text.View(), std::string(254, 'a'));
}

TEST(LineRules, CcValueReadsOneDigitInRange) {
    for (const auto& [line, value] : std::vector<std::pair<std::string_view, int>>{
             {"cc8", 8}, {"cc9", 0}, {"cc12", 1}, {"cc", 0}, {"cc-", 0}}) {
        EXPECT_EQ(StateAfterLines({line}).current.ccValue, value) << line;
    }
}

TEST(LineRules, IndicatedPointsTakeNumberAndMark) {
    struct Case {
        const char* line;
        int index;
        double x, y;
        int mark;
    } cases[] = {{"hp1 100 200", 1, 100, 200, 0}, {"hp2ci 3 4", 2, 3, 4, 3},
                 {"hp3- 5 6", 3, 5, 6, 1},        {"hp4ln 7 8", 4, 7, 8, 2},
                 {"hp5ch 9 10", 5, 9, 10, 4},     {"hp99 1 1", 99, 1, 1, 0},
                 {"hp6ci- 1 2", 6, 1, 2, 3}};
    for (const Case& c : cases) {
        const auto store = StoreFromLines({c.line});
        const IndicatedPoint& point = store->indicatedPoints[static_cast<std::size_t>(c.index)];
        EXPECT_TRUE(point.defined) << c.line;
        EXPECT_EQ(point.x, c.x) << c.line;
        EXPECT_EQ(point.y, c.y) << c.line;
        EXPECT_EQ(point.mark, c.mark) << c.line;
        EXPECT_EQ(store->indicatedPointCount, 1) << c.line;
    }
    for (const char* ignored : {"hp0 1 1", "hp100 1 1", "hp1 5", "hpx 1 1"}) {
        EXPECT_EQ(StoreFromLines({ignored})->indicatedPointCount, 0) << ignored;
    }
}

TEST(LineRules, PointReferenceIsStampedIntoTheNextEntityOnly) {
    for (const auto& [key, value] : std::vector<std::pair<std::string_view, int>>{
             {"hhp12", 12}, {"hhp3ln", 3}, {"hhp4ci", 4}, {"hhp5ch", 5}, {"hhpln", 0}}) {
        const auto store = StoreFromLines({key, "0 0 1 1", "0 0 2 2"});
        EXPECT_EQ(store->lines[0].header.pointRef, value) << key;
        EXPECT_EQ(store->lines[1].header.pointRef, 0) << key;
    }
}

TEST(LineRules, ZFlagsCollectUntilTheNextEntity) {
    const auto store = StoreFromLines({"z1", "z1", "z3", "0 0 1 1", "z5", "ci 0 0 1", "0 0 2 2"});
    EXPECT_EQ(store->lines[0].header.zFlags, 5);
    EXPECT_EQ(store->circles[0].header.zFlags, 16);
    EXPECT_EQ(store->lines[1].header.zFlags, 0);
}

TEST(LineRules, PolylineNumbersTheSegmentsUntilAnAttributeLine) {
    const auto store =
        StoreFromLines({"pl", "0 0 1 0", "z2", "hp1 0 0", "1 0 1 1", "1 1 0 1", "lc2", "0 1 0 0",
                        "pl", "5 5 6 6", "sl 0 0 1 0 0 1", "6 6 7 7"});
    const std::vector<int> expected = {1, 1, 1, 0, 2, 0};
    ASSERT_EQ(store->lines.Count(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(store->lines[i].polylineNo, expected[i]) << i;
}

TEST(LineRules, DimensionTakesItsLineAndText) {
    const auto store = StoreFromLines({"lc4", "msg", "lc5", "0 -10 100 -10", "lc6", "cn3",
                                       "cs 45 -9 1 0 \"1,000", "msg", "cs 1 2 1 0 again"});
    ASSERT_EQ(store->dimensions.Count(), 2u);
    const DimensionRecord& dimension = store->dimensions[0];
    EXPECT_EQ(dimension.header.colour, 6);
    EXPECT_EQ(dimension.line.header.colour, 5);
    EXPECT_EQ(dimension.line.x2, 100.0);
    EXPECT_EQ(dimension.line.y1, -10.0);
    EXPECT_EQ(dimension.text.textKind, 2);
    EXPECT_EQ(dimension.text.header.colour, 2);  // the colour of text size 3
    EXPECT_EQ(dimension.text.text.View(), "1,000");
    EXPECT_EQ(store->lines.Count(), 0u);
    // A dimension without its own line reuses the last one read in a dimension.
    EXPECT_EQ(store->dimensions[1].line.x2, 100.0);
}

TEST(LineRules, DimensionWithoutAnyLineUsesTheDefaultLine) {
    const auto store = StoreFromLines({"msg", "cs 1 2 1 0 x"});
    const LineRecord& line = store->dimensions[0].line;
    EXPECT_EQ(line.x1, 0.0);
    EXPECT_EQ(line.x2, 1.0);
    EXPECT_EQ(line.header.colour, 1);
}

struct SolidCase {
    const char* line;
    EntityKind kind;
    std::vector<double> corners;  // x1, y1, x2, y2, ...
};

std::vector<double> CornersOf(const EntityStore& store, EntityKind kind) {
    switch (kind) {
        case EntityKind::SolidSegment: {
            const auto& s = store.solidSegments[0];
            return {s.x1, s.y1, s.x2, s.y2};
        }
        case EntityKind::TriangleSolid: {
            const auto& s = store.triangleSolids[0];
            return {s.x1, s.y1, s.x2, s.y2, s.x3, s.y3};
        }
        case EntityKind::QuadSolid: {
            const auto& s = store.quadSolids[0];
            return {s.x1, s.y1, s.x2, s.y2, s.x3, s.y3, s.x4, s.y4};
        }
        default:
            return {};
    }
}

class SolidReduction : public testing::TestWithParam<SolidCase> {};

TEST_P(SolidReduction, KeepsTheDistinctCornersInOrder) {
    const SolidCase& c = GetParam();
    const auto store = StoreFromLines({"lc10 255", c.line});
    ASSERT_EQ(Kinds(*store), std::vector<EntityKind>{c.kind}) << c.line;
    EXPECT_EQ(CornersOf(*store, c.kind), c.corners) << c.line;
}

INSTANTIATE_TEST_SUITE_P(
    Sl, SolidReduction,
    testing::Values(SolidCase{"sl 1 2 3 4", K::SolidSegment, {1, 2, 3, 4}},
                    SolidCase{"sl 0 0 0 0 5 5", K::SolidSegment, {0, 0, 5, 5}},
                    SolidCase{"sl 0 0 5 5 5 5", K::SolidSegment, {0, 0, 5, 5}},
                    SolidCase{"sl 0 0 5 0 0 5", K::TriangleSolid, {0, 0, 5, 0, 0, 5}},
                    SolidCase{"sl 0 0 5 0 0 0", K::TriangleSolid, {0, 0, 5, 0, 0, 0}},
                    SolidCase{"sl 0 0 0 0 0 0 5 5", K::SolidSegment, {0, 0, 5, 5}},
                    SolidCase{"sl 0 0 5 5 5 5 5 5", K::SolidSegment, {0, 0, 5, 5}},
                    SolidCase{"sl 0 0 0 0 5 5 5 5", K::SolidSegment, {0, 0, 5, 5}},
                    SolidCase{"sl 0 0 5 0 5 5 0 0", K::TriangleSolid, {0, 0, 5, 0, 5, 5}},
                    SolidCase{"sl 0 0 5 0 5 5 5 0", K::TriangleSolid, {0, 0, 5, 0, 5, 5}},
                    SolidCase{"sl 0 0 5 0 0 5 0 5", K::TriangleSolid, {0, 0, 5, 0, 0, 5}},
                    SolidCase{"sl 0 0 5 0 0 0 5 5", K::TriangleSolid, {0, 0, 5, 0, 5, 5}},
                    SolidCase{"sl 0 0 5 0 5 0 0 5", K::TriangleSolid, {0, 0, 5, 0, 0, 5}},
                    SolidCase{"sl 0 0 0 0 5 0 0 5", K::TriangleSolid, {0, 0, 5, 0, 0, 5}},
                    SolidCase{"sl 0 0 5 0 5 5 0 5", K::QuadSolid, {0, 0, 5, 0, 5, 5, 0, 5}},
                    SolidCase{"sl 0 0 5 0 5 5 0 5 9", K::QuadSolid, {0, 0, 5, 0, 5, 5, 0, 5}},
                    SolidCase{"sl 0 0 1e-11 -1e-11 5 5", K::SolidSegment, {0, 0, 5, 5}},
                    SolidCase{"sl 0 0 1e-9 0 5 5", K::TriangleSolid, {0, 0, 1e-9, 0, 5, 5}},
                    SolidCase{"sl 0 0 0 1e-9 5 5", K::TriangleSolid, {0, 0, 0, 1e-9, 5, 5}},
                    SolidCase{"sl 0 0 5 0 5 5 1e-11 0", K::TriangleSolid, {0, 0, 5, 0, 5, 5}},
                    SolidCase{"sl 0 0 5 0 5 5 1e-9 0", K::QuadSolid, {0, 0, 5, 0, 5, 5, 1e-9, 0}}),
    [](const testing::TestParamInfo<SolidCase>& testCase) {
        return "Case" + std::to_string(testCase.index);
    });

TEST(LineRules, CircularAndRingSolidsTakeTheirNumbers) {
    const auto store =
        StoreFromLines({"lc10 65280", "sc 1 2 3 0.5 0.25 0.1 6 -1", "so 1 2 3 1 0 0 6 2.5 99",
                        "lc10 255", "sg 4 5 6 1 0 0 3 4", "se 1 2 3 1 0 0 6 100"});
    const CircleSolidRecord& circle = store->circleSolids[0];
    EXPECT_EQ(circle.rgbColour, 65280);
    EXPECT_EQ(circle.flatness, 0.5);
    EXPECT_EQ(circle.tilt, 0.25);
    EXPECT_EQ(circle.arcAngle, 6.0);
    EXPECT_EQ(circle.solidMode, -1);
    EXPECT_EQ(store->ringSolids[0].radius2, 2.5);
    EXPECT_EQ(store->constantWidthRingSolids[0].rgbColour, 255);
    EXPECT_EQ(store->constantWidthRingSolids[0].radius2, 4.0);
    EXPECT_EQ(store->seCircleSolids[0].solidMode, 100);
    EXPECT_EQ(SolidCount(*store), 3);
}

TEST(LineRules, PointsTakeThePointColour) {
    const auto store = StoreFromLines({"lc4", "pn6", "pt 1 2", "pt 1 2 3 4 -7"});
    EXPECT_EQ(store->points[0].header.colour, 6);
    EXPECT_EQ(store->pointExs[0].header.colour, 6);
    EXPECT_EQ(store->pointExs[0].param4, 4.0);
    EXPECT_EQ(store->pointExs[0].code, -7);
}

TEST(LineRules, HeaderValues) {
    std::string hrgb = "hrgb";
    for (int i = 1; i <= 399; ++i) hrgb.append(" ").append(std::to_string(i));
    const auto store =
        StoreFromLines({"hs 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16", "hzs 420 297", "hk 1.5", "bz",
                        "hn 1 2 3 4", hrgb, "file=C:\\jww\\a b.jww", "lg3", "lgnGroup three"});
    EXPECT_EQ(store->groupScale[0], 1.0);
    EXPECT_EQ(store->groupScale[15], 16.0);
    EXPECT_EQ(store->sheetWidth, 420.0);
    EXPECT_EQ(store->hkValue, 1.5);
    EXPECT_TRUE(store->bzFlag);
    EXPECT_EQ(store->hnValues[3], 4.0);
    EXPECT_EQ(store->hrgbValues[0], 1);
    EXPECT_EQ(store->hrgbValues[355], 356);
    EXPECT_EQ(store->fileName, "C:\\jww\\a b.jww");
    EXPECT_EQ(store->layerGroupNames[3], "Group three");
}

TEST(LineRules, BlockKeepsItsName) {
    const auto store = StoreFromLines({"BL 1 2 \x8A\xB7\x8B\x43\x8C\xFB extra"});
    EXPECT_EQ(store->blocks[0].name, "\x8A\xB7\x8B\x43\x8C\xFB");
    EXPECT_EQ(store->blocks[0].y, 2.0);
}

}  // namespace

}  // namespace rv17
