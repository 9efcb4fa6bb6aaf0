// Writing stored figures back: attribute lines through the change tracking,
// the override convention, and the walk over all figures in file order.
#include <gtest/gtest.h>

#include <string>

#include "tests/exchange/WriterTestSupport.h"

namespace rv17 {

namespace {

EntityHeader Header(int layerGroup, int layer, int colour, int lineType, int lineWidth = 0,
                    int zFlags = 0) {
    return EntityHeader{0, layerGroup, layer, colour, lineType, lineWidth, zFlags};
}

LineRecord& AddLine(EntityStore& s, EntityHeader header, double x1, double y1, double x2,
                    double y2) {
    LineRecord& line = AddEntity<EntityKind::Line>(s, CurrentAttributes{});
    line.header = header;
    line.x1 = x1, line.y1 = y1, line.x2 = x2, line.y2 = y2;
    return line;
}

CircleRecord& AddCircle(EntityStore& s, EntityHeader header, double cx, double cy, double radius) {
    CircleRecord& circle = AddEntity<EntityKind::Circle>(s, CurrentAttributes{});
    circle.header = header;
    circle.cx = cx, circle.cy = cy, circle.radius = radius;
    return circle;
}

SolidSegmentRecord& AddSolidSegment(EntityStore& s, EntityHeader header, int rgb) {
    SolidSegmentRecord& solid = AddEntity<EntityKind::SolidSegment>(s, CurrentAttributes{});
    solid.header = header;
    solid.rgbColour = rgb;
    solid.x2 = 1;
    return solid;
}

CircleSolidRecord& AddSeSolid(EntityStore& s, EntityHeader header, int rgb) {
    CircleSolidRecord& solid = AddEntity<EntityKind::SeCircleSolid>(s, CurrentAttributes{});
    solid.header = header;
    solid.rgbColour = rgb;
    solid.cx = 1, solid.cy = 2, solid.radius = 3, solid.flatness = 1,
    solid.arcAngle = 6.28318530717959;
    solid.solidMode = 100;
    return solid;
}

TextRecord MakeText(EntityHeader header, int sizeNo, std::string_view content) {
    TextRecord text{};
    text.header = header;
    text.textKind = 0;
    text.ccValue = 2;
    text.sizeNo = sizeNo;
    text.charWidth = 3, text.charHeight = 3.5, text.charSpacing = 0.5;
    text.x = 10, text.y = 20, text.dx = 1, text.dy = 0;
    text.fontName.Assign("Gothic");
    text.text.Assign(content);
    return text;
}

TEST(WriteBack, LineThenCircleOnTheSameLayer) {
    WriterStore writer;
    AddLine(writer.store, Header(0, 2, 3, 1), 0, 0, 100, 0);
    AddCircle(writer.store, Header(0, 2, 3, 1, 0, 1), 50, 50, 5);
    writer.writer.Line("hd");
    WriteBackEntities(writer.writer);
    EXPECT_EQ(writer.TakeLines(),
              (Lines{"hd", "lg0", "ly2", "lc3", "lt1", "0 0 100 0", "z1", "ci 50 50 5"}));
}

TEST(WriteBack, FirstFigureWritesDefaultAttributesLaterOnesShareThem) {
    for (const bool widths : {false, true}) {
        WriterStore writer;
        writer.store.lineWidthSeen = widths;
        AddLine(writer.store, Header(0, 0, 1, 1), 0, 0, 1, 0);
        AddLine(writer.store, Header(0, 0, 1, 1), 0, 0, 0, 1);
        WriteBackEntities(writer.writer);
        Lines expected{"lg0", "ly0", "lc1", "lt1"};
        if (widths) expected.push_back("lw0");
        expected.insert(expected.end(), {"0 0 1 0", "0 0 0 1"});
        EXPECT_EQ(writer.TakeLines(), expected) << "widths " << widths;
    }
}

TEST(WriteBack, SolidSegmentsShareOneRgbLine) {
    WriterStore writer;
    AddSolidSegment(writer.store, Header(0, 0, 10, 1), 255);
    AddSolidSegment(writer.store, Header(0, 0, 10, 1), 255);
    AddSolidSegment(writer.store, Header(0, 0, 10, 1), 65280);
    AddSolidSegment(writer.store, Header(0, 0, 4, 1), 65280);
    WriteBackEntities(writer.writer);
    EXPECT_EQ(writer.TakeLines(), (Lines{"lg0", "ly0", "lc10 255", "sl 0 0 1 0", "sl 0 0 1 0",
                                         "lc10 65280", "sl 0 0 1 0", "lc4", "sl 0 0 1 0"}));
}

TEST(WriteBack, SeSolidGoesToLayerOneOfItsGroupWithItsOwnColourAndWidth) {
    WriterStore writer;
    writer.store.lineWidthSeen = true;
    AddSeSolid(writer.store, Header(3, 7, 10, 5, 35, 2), 12345);
    AddSeSolid(writer.store, Header(3, 1, 6, 5, 35), 12345);
    WriteBackEntities(writer.writer);
    EXPECT_EQ(writer.TakeLines(), (Lines{"lg3", "ly1", "lc10 12345", "lw35", "z2",
                                         "se 1 2 3 1 0 0 6.28318530717959 100", "lc6",
                                         "se 1 2 3 1 0 0 6.28318530717959 100"}));
}

TEST(WriteBack, SkipsBlocksAndHatchableSolidsEntirely) {
    WriterStore writer;
    TJwwEntBlk& block = AddEntity<EntityKind::Block>(writer.store, CurrentAttributes{});
    block.header = Header(5, 5, 5, 5);
    block.name = "B";
    AddEntity<EntityKind::TriangleSolid>(writer.store, CurrentAttributes{}).header =
        Header(6, 6, 6, 6);
    AddEntity<EntityKind::QuadSolid>(writer.store, CurrentAttributes{});
    AddEntity<EntityKind::CircleSolid>(writer.store, CurrentAttributes{});
    AddEntity<EntityKind::RingSolid>(writer.store, CurrentAttributes{});
    AddEntity<EntityKind::ConstantWidthRingSolid>(writer.store, CurrentAttributes{});
    WriteBackEntities(writer.writer);
    EXPECT_EQ(writer.TakeLines(), Lines{});
}

TEST(WriteBack, FollowsFileOrderAcrossKinds) {
    WriterStore writer;
    AddLine(writer.store, Header(0, 0, 1, 1), 0, 0, 1, 0);
    AddCircle(writer.store, Header(0, 0, 1, 1), 0, 0, 1);
    AddLine(writer.store, Header(0, 0, 1, 1), 0, 0, 2, 0);
    PointRecord& point = AddEntity<EntityKind::Point>(writer.store, CurrentAttributes{});
    point.header = Header(0, 0, 4, 1);
    point.x = 7;
    WriteBackEntities(writer.writer);
    EXPECT_EQ(writer.TakeLines(), (Lines{"lg0", "ly0", "lc1", "lt1", "0 0 1 0", "ci 0 0 1",
                                         "0 0 2 0", "pn4", "pt 7 0"}));
}

// Each unbroken run of one curve number becomes its own curve; a change of
// pen also breaks it, since an attribute line would end the curve when read.
TEST(WriteBack, CurvesGoBackBetweenPlAndHashOneUnbrokenRunEach) {
    WriterStore writer;
    EntityStore& s = writer.store;
    AddLine(s, Header(0, 0, 1, 1), 0, 0, 1, 0).polylineNo = 1;
    AddLine(s, Header(0, 0, 1, 1, 0, 1), 1, 0, 1, 1).polylineNo = 1;
    AddCircle(s, Header(0, 0, 1, 1), 0, 0, 1);
    AddLine(s, Header(0, 0, 1, 1), 1, 1, 0, 1).polylineNo = 1;
    AddLine(s, Header(0, 0, 2, 1), 0, 1, 0, 0).polylineNo = 1;
    AddLine(s, Header(0, 0, 2, 1), 5, 5, 6, 6).polylineNo = 2;
    AddLine(s, Header(0, 0, 2, 1), 7, 7, 7, 7).polylineNo = 3;  // nothing to write: no curve
    AddLine(s, Header(0, 0, 2, 1), 8, 8, 9, 9);
    WriteBackEntities(writer.writer);
    EXPECT_EQ(writer.TakeLines(),
              (Lines{"lg0",     "ly0",     "lc1",      "lt1", "pl",      "0 0 1 0", "z1",
                     "1 0 1 1", "#",       "ci 0 0 1", "pl",  "1 1 0 1", "#",       "lc2",
                     "pl",      "0 1 0 0", "#",        "pl",  "5 5 6 6", "#",       "8 8 9 9"}));
}

TEST(WriteBack, DegenerateFigureKeepsItsAttributeLinesButNotItsZFlags) {
    WriterStore writer;
    AddLine(writer.store, Header(1, 2, 3, 4, 0, 1), 5, 5, 5, 5);
    AddCircle(writer.store, Header(1, 2, 6, 4, 0, 2), 5, 5, 0);
    SolidSegmentRecord& solid = AddSolidSegment(writer.store, Header(1, 2, 6, 4, 0, 4), 0);
    solid.x2 = 0;
    AddSeSolid(writer.store, Header(1, 2, 6, 4, 0, 8), 0).solidMode = 5;
    writer.store.texts.Append() = MakeText(Header(1, 2, 6, 4, 0, 16), 1, " \x81\x40 ");
    AppendOrder(writer.store, EntityKind::Text, 0);
    AddCircle(writer.store, Header(1, 2, 6, 4), 5, 5, 1);  // has no z flags of its own
    WriteBackEntities(writer.writer);
    EXPECT_EQ(writer.TakeLines(), (Lines{"lg1", "ly2", "lc3", "lt4", "lc6", "ly1", "ly2", "cn1",
                                         "cc2", "cn\"$Gothic", "ci 5 5 1"}));
}

TEST(Reemit, TextWritesSizeCcFontAndJoinedText) {
    WriterStore writer;
    writer.store.texts.Append() = MakeText(Header(2, 3, 7, 9, 0, 4), 5, "note");
    writer.store.texts.Append() = MakeText(Header(2, 3, 7, 9), 0, "free");
    ReemitText(writer.writer, 0);
    ReemitText(writer.writer, 1);
    EXPECT_EQ(writer.TakeLines(),
              (Lines{"lg2", "ly3", "cn5", "cc2", "cn\"$Gothic", "z3", "ch 10 20 1 0 \"", "note",
                     "cn0 3 3.5 0.5 7", "ch 10 20 1 0 \"", "free"}));
}

TEST(Reemit, TextColourOverrideWritesFreeSize) {
    WriterStore writer;
    writer.store.texts.Append() = MakeText(Header(0, 0, 7, 1), 5, "note");
    ReemitOverrides overrides;
    overrides.textColour = 4;
    overrides.ccValue = 6;
    overrides.layerGroup = 12;
    ReemitText(writer.writer, 0, overrides);
    EXPECT_EQ(writer.TakeLines(), (Lines{"lgC", "ly0", "cn0 3 3.5 0.5 4", "cc6", "cn\"$Gothic",
                                         "ch 10 20 1 0 \"", "note"}));
}

TEST(Reemit, DimensionIsFourItemsWithLineAndTextAttributes) {
    WriterStore writer;
    writer.store.lineWidthSeen = true;
    DimensionRecord& dimension =
        AddEntity<EntityKind::Dimension>(writer.store, CurrentAttributes{});
    dimension.header = Header(1, 4, 2, 2, 0, 1);
    dimension.line.header = Header(0, 0, 5, 6, 18);
    dimension.line.x2 = 3, dimension.line.y2 = 4;
    dimension.text = MakeText(Header(1, 4, 8, 1), 2, "");
    dimension.text.textKind = 2;
    WriteBackEntities(writer.writer);
    EXPECT_EQ(writer.TakeLines(),
              (Lines{"lg1", "ly4", "lc5", "lt6", "lw18", "cn2", "cc2", "cn\"$Gothic", "z1", "msg",
                     "0 0 3 4", "cs 10 20 1 0 \"", "5"}));

    ReemitOverrides overrides;
    overrides.colour = 9;
    overrides.lineType = 2;
    overrides.lineWidth = 50;
    overrides.textColour = 3;
    ReemitDimension(writer.writer, 0, overrides);
    EXPECT_EQ(writer.TakeLines(), (Lines{"lc9", "lt2", "lw50", "cn0 3 3.5 0.5 3", "z1", "msg",
                                         "0 0 3 4", "cs 10 20 1 0 \"", "5"}));
}

TEST(Reemit, PointsWriteTheirColourAsPointColour) {
    WriterStore writer;
    writer.store.lineWidthSeen = true;
    PointRecord& point = AddEntity<EntityKind::Point>(writer.store, CurrentAttributes{});
    point.header = Header(0, 1, 6, 3, 13);
    PointExRecord& pointEx = AddEntity<EntityKind::PointEx>(writer.store, CurrentAttributes{});
    pointEx.header = Header(0, 1, 6, 3, 13, 16);
    pointEx.x = 1, pointEx.param3 = 0, pointEx.param4 = 2, pointEx.code = 40;
    WriteBackEntities(writer.writer);
    EXPECT_EQ(writer.TakeLines(),
              (Lines{"lg0", "ly1", "pn6", "lw13", "pt 0 0", "z5", "pt 1 0 1 2 -3"}));

    ReemitOverrides overrides;
    overrides.pointColour = 2;
    overrides.lineWidth = -1;  // as stored, not "the initial width"
    overrides.colour = 8;      // not a point attribute
    ReemitPoint(writer.writer, 0, overrides);
    EXPECT_EQ(writer.TakeLines(), (Lines{"pn2", "pt 0 0"}));
}

struct OverrideCase {
    const char* name;
    ReemitOverrides overrides;
    Lines expected;
};

void PrintTo(const OverrideCase& c, std::ostream* out) { *out << c.name; }

class LineOverrides : public ::testing::TestWithParam<OverrideCase> {};

// A line stored on group 4, layer 5, colour 6, line type 7, width 8, after a
// figure that wrote group 4, layer 5, colour 1, line type 1, width 0.
TEST_P(LineOverrides, ReplaceOnlyValidValues) {
    const OverrideCase& c = GetParam();
    WriterStore writer;
    writer.store.lineWidthSeen = true;
    AddLine(writer.store, Header(4, 5, 1, 1, 0), 0, 0, 1, 1);
    AddLine(writer.store, Header(4, 5, 6, 7, 8), 0, 0, 2, 2);
    ReemitLine(writer.writer, 0);
    writer.TakeLines();
    ReemitLine(writer.writer, 1, c.overrides);
    EXPECT_EQ(writer.TakeLines(), c.expected) << c.name;
}

ReemitOverrides Overrides(int layerGroup, int layer, int colour, int lineType, int lineWidth) {
    ReemitOverrides o;
    o.layerGroup = layerGroup, o.layer = layer, o.colour = colour, o.lineType = lineType,
    o.lineWidth = lineWidth;
    return o;
}

INSTANTIATE_TEST_SUITE_P(Convention, LineOverrides,
                         ::testing::Values(OverrideCase{"as stored",
                                                        Overrides(-1, -1, -1, -1, -1),
                                                        {"lc6", "lt7", "lw8", "0 0 2 2"}},
                                           OverrideCase{"layers outside 0..15 mean as stored",
                                                        Overrides(16, -7, -1, -1, -1),
                                                        {"lc6", "lt7", "lw8", "0 0 2 2"}},
                                           OverrideCase{
                                               "layers within range",
                                               Overrides(15, 0, -1, -1, -1),
                                               {"lgF", "ly0", "lc6", "lt7", "lw8", "0 0 2 2"}},
                                           OverrideCase{"unchanged group, changed layer",
                                                        Overrides(4, 9, -1, -1, -1),
                                                        {"ly9", "lc6", "lt7", "lw8", "0 0 2 2"}},
                                           OverrideCase{"zero is an override, not as stored",
                                                        Overrides(-1, -1, 0, 0, 0),
                                                        {"lc0", "lt0", "0 0 2 2"}},
                                           OverrideCase{"other negatives are overrides",
                                                        Overrides(-1, -1, -2, -3, -4),
                                                        {"lc-2", "lt-3", "0 0 2 2"}},
                                           OverrideCase{"width override normalised",
                                                        Overrides(-1, -1, -1, -1, 40000),
                                                        {"lc6", "lt7", "0 0 2 2"}}));

struct SolidColourCase {
    const char* name;
    int storedColour;
    int overrideColour;
    int overrideRgb;
    Lines expected;
};

void PrintTo(const SolidColourCase& c, std::ostream* out) { *out << c.name; }

class SolidColourRule : public ::testing::TestWithParam<SolidColourCase> {};

// A solid segment with RGB value 255 after a figure that wrote colour 3.
TEST_P(SolidColourRule, WritesColourOrRgbLine) {
    const SolidColourCase& c = GetParam();
    WriterStore writer;
    AddSolidSegment(writer.store, Header(0, 0, 3, 1), 0);
    AddSolidSegment(writer.store, Header(0, 0, c.storedColour, 1), 255);
    ReemitSolidSegment(writer.writer, 0);
    writer.TakeLines();
    ReemitOverrides overrides;
    overrides.colour = c.overrideColour;
    overrides.rgbColour = c.overrideRgb;
    ReemitSolidSegment(writer.writer, 1, overrides);
    Lines expected = c.expected;
    expected.push_back("sl 0 0 1 0");
    EXPECT_EQ(writer.TakeLines(), expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    KindsNineAndThirteen, SolidColourRule,
    ::testing::Values(SolidColourCase{"stored RGB colour", 10, -1, -1, {"lc10 255"}},
                      SolidColourCase{
                          "stored RGB colour ignores RGB override", 10, -1, 77, {"lc10 255"}},
                      SolidColourCase{"stored numbered colour", 5, -1, 77, {"lc5"}},
                      SolidColourCase{"stored colour unchanged", 3, -1, -1, {}},
                      SolidColourCase{"override 10 takes RGB override", 5, 10, 77, {"lc10 77"}},
                      SolidColourCase{"override 10 without RGB override", 5, 10, -1, {"lc10 255"}},
                      SolidColourCase{"override 10 normalises RGB", 5, 10, 16777216, {"lc10 0"}},
                      SolidColourCase{"numbered override", 10, 7, 77, {"lc7"}}));

TEST(Reemit, IndexBeyondTheListWritesNothing) {
    WriterStore writer;
    AddLine(writer.store, Header(0, 0, 1, 1), 0, 0, 1, 0);
    ReemitLine(writer.writer, 1);
    ReemitCircle(writer.writer, 0);
    ReemitArc(writer.writer, 0);
    ReemitText(writer.writer, 0);
    ReemitPoint(writer.writer, 0);
    ReemitParameterPoint(writer.writer, 0);
    ReemitDimension(writer.writer, 0);
    ReemitSolidSegment(writer.writer, 0);
    ReemitCircleSolid(writer.writer, 5);
    EXPECT_EQ(writer.TakeLines(), Lines{});
}

TEST(Reemit, ArcWritesItsSevenNumbers) {
    WriterStore writer;
    ArcRecord& arc = AddEntity<EntityKind::Arc>(writer.store, CurrentAttributes{});
    arc.header = Header(0, 0, 2, 3);
    arc.cx = 1, arc.cy = 2, arc.radius = 3, arc.arcValue4 = 0.5, arc.arcValue5 = 1,
    arc.arcValue6 = 2, arc.arcValue7 = 0;
    WriteBackEntities(writer.writer);
    EXPECT_EQ(writer.TakeLines(), (Lines{"lg0", "ly0", "lc2", "lt3", "ci 1 2 3 0.5 1 2 0"}));
}

}  // namespace

}  // namespace rv17
