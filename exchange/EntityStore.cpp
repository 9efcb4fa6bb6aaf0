// Lifecycle of the entity store and access to its lists by kind.
#include "exchange/EntityStore.h"

#include "geometry/TextConversions.h"

namespace rv17 {

const std::string_view kDefaultFontName = "<\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E>";

void ShortText::Assign(std::string_view text) noexcept {
    const std::string_view cut = CutToWholeCharacters(text, kMaxBytes);
    length = static_cast<std::uint8_t>(cut.size());
    for (std::size_t i = 0; i < cut.size(); ++i) bytes[i] = cut[i];
}

namespace {

// AllKinds names every kind once, in the order of their numbers.
template <EntityKind... Kinds>
constexpr bool NumbersEveryKindInOrder(KindList<Kinds...>) noexcept {
    int number = 1;
    const bool inOrder = ((static_cast<int>(Kinds) == number++) && ...);
    return inOrder && number == static_cast<int>(EntityKind::ConstantWidthRingSolid) + 1;
}
static_assert(NumbersEveryKindInOrder(AllKinds{}));

void ReleaseKindLists(EntityStore& store) {
    ForEachKind(AllKinds{}, [&](auto traits) { traits.List(store).Release(); });
}

LineRecord DefaultDimensionLine() {
    LineRecord line{};
    line.header = EntityHeader{0, 0, 0, 1, 1, 0, 0};
    line.x2 = 1.0;
    return line;
}

}  // namespace

void InitialiseStore(EntityStore& store) {
    store.fileName.clear();
    store.hkValue = 0.0;
    store.groupScale.fill(1.0);
    store.sheetWidth = 1189.0;
    store.sheetHeight = 841.0;
    store.TextSizeTable.fill(TextSize{3.0, 3.0, 0.0, 2});
    store.bzFlag = false;
    store.hnValues.fill(0.0);
    for (auto& name : store.layerGroupNames) name.clear();
    for (auto& group : store.layerNames) {
        for (auto& name : group) name.clear();
    }
    store.layerGroupValue.fill(0);
    for (auto& group : store.layerValue) group.fill(0);
    store.indicatedPoints.fill(IndicatedPoint{false, 0.0, 0.0, 0});
    store.indicatedPointCount = 0;
    store.lineWidthSeen = false;

    store.initial = InitialAttributes{};
    store.current = CurrentAttributes{};
    store.current.fontName = kDefaultFontName;
    for (std::size_t i = 0; i < kPendingFlagCount; ++i) {
        store.current.pendingFlags[i] = i <= kPendingSizeNo;
    }

    store.polylineActive = false;
    store.polylineCount = 0;
    store.msgActive = false;
    store.pendingDimensionLine = DefaultDimensionLine();

    store.EntityOrder.Release();
    ReleaseKindLists(store);
    store.outputLines.Release();
}

void ReleaseStore(EntityStore& store) {
    for (auto& name : store.layerGroupNames) std::string().swap(name);
    for (auto& group : store.layerNames) {
        for (auto& name : group) std::string().swap(name);
    }
    store.indicatedPoints.fill(IndicatedPoint{false, 0.0, 0.0, 0});
    store.indicatedPointCount = 0;
    store.EntityOrder.Release();
    ReleaseKindLists(store);
    store.outputLines.Release();
}

void AppendOrder(EntityStore& store, EntityKind kind, std::int32_t index) {
    store.EntityOrder.Append() = EntityOrderEntry{kind, index};
}

void StampHeader(const EntityStore& store, EntityHeader& header) noexcept {
    const CurrentAttributes& current = store.current;
    header.pointRef = current.pointRef;
    header.layerGroup = current.layerGroup;
    header.layer = current.layer;
    header.colour = current.colour;
    header.lineType = current.lineType;
    header.lineWidth = current.lineWidth;
    header.zFlags = current.zFlags;
}

void ResetCurrentAttributes(EntityStore& store) {
    CurrentAttributes& current = store.current;
    current.pendingFlags.fill(true);
    current.layerGroup = 0;
    current.layer = 0;
    current.colour = 1;
    current.lineType = 1;
    current.lineWidth = 0;
    current.sizeNo = 1;
    current.freeSize = TextSize{2.0, 2.0, 0.0, 1};
    current.ccValue = 0;
    current.fontName = kDefaultFontName;
    current.pointColour = 1;
    current.rgbColour = 0;
}

std::size_t EntityCount(const EntityStore& store, EntityKind kind) noexcept {
    return VisitKind(
        AllKinds{}, kind, [&](auto traits) { return traits.List(store).Count(); }, std::size_t{0});
}

std::int32_t SolidCount(const EntityStore& store) noexcept {
    std::size_t count = 0;
    ForEachKind(HatchableKinds{}, [&](auto traits) { count += traits.List(store).Count(); });
    return static_cast<std::int32_t>(count);
}

}  // namespace rv17
