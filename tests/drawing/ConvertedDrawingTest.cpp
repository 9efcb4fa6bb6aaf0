// Reading a conversion's output back: figures into the store, hatch segments apart.
#include <gtest/gtest.h>

#include "drawing/ConvertedDrawing.h"
#include "tests/drawing/DrawingTestSupport.h"

namespace rv17 {

namespace {

// Everything that reads back as four numbers or as a line record comes before
// the hatch: a dimension's line, a text of four numbers, a line segment, one
// that is not written (its ends coincide), and a polyline.
constexpr std::string_view kDrawing =
    "msg\n0 -5 10 -5\ncs 5 -4 1 0 \"10\n"
    "ch 0 -20 1 0 \"1 2 3 4\n"
    "5 5 5 5\n"
    "pl\n0 0 10 0\n10 0 10 10\n#\n"
    "lc3\nsl 0 0 10 0 10 10\n"
    "ch 0 -30 1 0 \"last figure\n";

TEST(ReadConvertedDrawing, HatchSegmentsAreTheLinesAfterTheFiguresWrittenBack) {
    auto drawing = DrawingFromText(kDrawing);
    const ConvertedOutput hatch =
        ConvertWith(*drawing, {{2, 1, 1, 9, 1}, {5, 1, 2, 9, 2}, {5, 1, 3, 9, 3}});
    const ConvertedDrawing converted =
        ReadConvertedDrawing(*drawing, hatch.lines, hatch.firstHatchLine);

    const EntityStore& store = *converted.store;
    EXPECT_EQ(store.lines.Count(), 2u);
    EXPECT_EQ(store.dimensions.Count(), 1u);
    EXPECT_EQ(store.texts.Count(), 2u);
    EXPECT_EQ(store.triangleSolids.Count(), 0u) << "hatched solids are not written back";
    ASSERT_EQ(converted.hatch.Count(), 3u);
    EXPECT_EQ(converted.hatch[0].colour, 2);
    EXPECT_EQ(converted.hatch[1].colour, 5);
    EXPECT_EQ(converted.hatch[2].colour, 5);
    EXPECT_EQ(converted.hatch[2].y1, 3.0);
    EXPECT_EQ(converted.hatch[2].x2, 9.0);
    ReleaseStore(*converted.store);
    ReleaseStore(*drawing);
}

TEST(ReadConvertedDrawing, OutputWithoutHatchHasNoHatchSegments) {
    auto drawing = DrawingFromText(kDrawing);
    const ConvertedOutput hatch = ConvertWith(*drawing, {});
    const ConvertedDrawing converted =
        ReadConvertedDrawing(*drawing, hatch.lines, hatch.firstHatchLine);
    EXPECT_EQ(converted.hatch.Count(), 0u);
    EXPECT_EQ(converted.store->lines.Count(), 2u);
    ReleaseStore(*converted.store);
    ReleaseStore(*drawing);
}

}  // namespace

}  // namespace rv17
