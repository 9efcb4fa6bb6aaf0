// The entity store: defaults, block growth, order and counts.
#include <gtest/gtest.h>

#include "exchange/JwwGaibu.h"

namespace rv17 {

namespace {

TEST(BlockList, GrowsByWholeBlocksWithoutMovingElements) {
    BlockList<int> list;
    EXPECT_EQ(list.Capacity(), 0u);
    int& first = list.Append();
    EXPECT_EQ(first, 0);
    EXPECT_EQ(list.Capacity(), 1000u);
    first = 7;
    for (int i = 1; i < 1000; ++i) list.Append() = i;
    EXPECT_EQ(list.Capacity(), 1000u);
    list.Append() = 1000;  // the 1001st element opens the second block
    EXPECT_EQ(list.Capacity(), 2000u);
    EXPECT_EQ(&list[0], &first);
    EXPECT_EQ(list[0], 7);
    EXPECT_EQ(list[1000], 1000);
    EXPECT_EQ(list.Count(), 1001u);
    list.Release();
    EXPECT_EQ(list.Count(), 0u);
    EXPECT_EQ(list.Capacity(), 0u);
}

TEST(EntityStore, InitialiseGivesEveryDefault) {
    EntityStore store;
    InitialiseStore(store);
    EXPECT_EQ(store.groupScale[15], 1.0);
    EXPECT_EQ(store.sheetWidth, 1189.0);
    EXPECT_EQ(store.TextSizeTable[10].colour, 2);
    EXPECT_EQ(store.TextSizeTable[1].charWidth, 3.0);
    EXPECT_EQ(store.initial.initialColour, 1);
    EXPECT_TRUE(store.initial.initialFontName.empty());
    EXPECT_EQ(SolidCount(store), 0);

    const ReaderState reader;
    EXPECT_EQ(reader.current.fontName, kDefaultFontName);
    EXPECT_EQ(reader.current.colour, 1);
    for (std::size_t i = 0; i < kPendingFlagCount; ++i) {
        EXPECT_EQ(reader.current.pendingFlags[i], i <= kPendingSizeNo) << i;
    }
    EXPECT_EQ(reader.pendingDimensionLine.x2, 1.0);
    EXPECT_EQ(reader.pendingDimensionLine.header.colour, 1);
}

TEST(EntityStore, AddEntityStampsHeaderAndRecordsOrder) {
    EntityStore store;
    InitialiseStore(store);
    CurrentAttributes current;
    current.layer = 7;
    current.colour = 3;
    current.zFlags = 5;
    auto& line = AddEntity<EntityKind::Line>(store, current);
    EXPECT_EQ(line.header.layer, 7);
    EXPECT_EQ(line.header.colour, 3);
    EXPECT_EQ(line.header.zFlags, 5);
    EXPECT_EQ(line.x1, 0.0);
    AddEntity<EntityKind::TriangleSolid>(store, current);
    AddEntity<EntityKind::Line>(store, current);
    AddEntity<EntityKind::SeCircleSolid>(store, current);
    AddEntity<EntityKind::RingSolid>(store, current);

    ASSERT_EQ(store.EntityOrder.Count(), 5u);
    EXPECT_EQ(store.EntityOrder[2].kind, EntityKind::Line);
    EXPECT_EQ(store.EntityOrder[2].index, 1);
    EXPECT_EQ(EntityCount(store, EntityKind::Line), 2u);
    EXPECT_EQ(SolidCount(store), 2);  // the "se" solid is not hatchable
}

TEST(ShortText, CutsAt255BytesWithoutSplittingACharacter) {
    ShortText text{};
    text.Assign(std::string(254, 'x') + "\x82\xA0");
    EXPECT_EQ(text.View().size(), 254u);
    text.Assign(std::string(400, 'y'));
    EXPECT_EQ(text.View(), std::string(255, 'y'));
}

TEST(OutputLines, HoldsLinesCompactlyInOrder) {
    OutputLines lines;
    lines.Append("hd");
    lines.Append("");
    lines.Append(std::string(300, 'z'));
    for (int i = 0; i < 100000; ++i) lines.Append(std::to_string(i));
    ASSERT_EQ(lines.Count(), 100003u);
    EXPECT_EQ(lines.Line(0), "hd");
    EXPECT_EQ(lines.Line(1), "");
    EXPECT_EQ(lines.Line(2), std::string(255, 'z'));
    EXPECT_EQ(lines.Line(100002), "99999");
    EXPECT_LT(lines.ReservedBytes(), 100000u * 16);
    lines.Release();
    EXPECT_EQ(lines.Count(), 0u);
}

}  // namespace

}  // namespace rv17
