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

}  // namespace

void InitialiseStore(EntityStore& store) { store = EntityStore{}; }

void ReleaseStore(EntityStore& store) {
    for (auto& name : store.layerGroupNames) std::string().swap(name);
    for (auto& group : store.layerNames) {
        for (auto& name : group) std::string().swap(name);
    }
    store.indicatedPoints.fill(IndicatedPoint{false, 0.0, 0.0, 0});
    store.indicatedPointCount = 0;
    store.EntityOrder.Release();
    ReleaseKindLists(store);
}

void AppendOrder(EntityStore& store, EntityKind kind, std::int32_t index) {
    store.EntityOrder.Append() = EntityOrderEntry{kind, index};
}

void StampHeader(const CurrentAttributes& current, EntityHeader& header) noexcept {
    header.pointRef = current.pointRef;
    header.layerGroup = current.layerGroup;
    header.layer = current.layer;
    header.colour = current.colour;
    header.lineType = current.lineType;
    header.lineWidth = current.lineWidth;
    header.zFlags = current.zFlags;
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
