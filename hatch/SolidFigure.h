// The figure that a record of each hatchable kind describes, and walks that
// hand those figures to one step of the conversion, so that every step that
// differs by kind (bounds, reach, clipping) follows the one list of hatchable
// kinds: a step is a set of overloads, one per figure.
#pragma once

#include <cstddef>

#include "exchange/EntityStore.h"

namespace rv17 {

// Ring variants: a ring ("so") whose second edge has the same flatness, and a
// constant-width ring ("sg") whose two edges are equally far apart on both axes.
inline constexpr int kRingVariantSameFlatness = 1;
inline constexpr int kRingVariantConstantWidth = 2;

// A ring solid with the variant that its kind gives it.
struct RingFigure {
    const RingSolidRecord& ring;
    int variant;
};

// The figure of a record of kind K: a RingFigure for the two ring kinds, the
// record itself for the others.
template <EntityKind K>
decltype(auto) FigureOf(KindTraits<K>, const typename KindTraits<K>::RecordType& record) noexcept {
    if constexpr (K == EntityKind::RingSolid) {
        return RingFigure{record, kRingVariantSameFlatness};
    } else if constexpr (K == EntityKind::ConstantWidthRingSolid) {
        return RingFigure{record, kRingVariantConstantWidth};
    } else {
        return (record);
    }
}

// Calls visit(figure) for every stored solid of the hatchable kinds, kind by
// kind in the order of HatchableKinds, each kind in its list's order.
template <class Visitor>
void ForEachSolidFigure(const EntityStore& store, Visitor&& visit) {
    ForEachKind(HatchableKinds{}, [&](auto traits) {
        const auto& list = traits.List(store);
        for (std::size_t i = 0; i < list.Count(); ++i) visit(FigureOf(traits, list[i]));
    });
}

// Calls visit(figure) for entry index of kind's list, which must exist; nothing
// for a kind that is not hatchable.
template <class Visitor>
void VisitSolidFigure(const EntityStore& store, EntityKind kind, std::size_t index,
                      Visitor&& visit) {
    VisitKind(HatchableKinds{}, kind,
              [&](auto traits) { visit(FigureOf(traits, traits.List(store)[index])); });
}

// The same, returning what visit returns, or otherwise for a kind that is not
// hatchable.
template <class Visitor, class Result>
Result VisitSolidFigure(const EntityStore& store, EntityKind kind, std::size_t index,
                        Visitor&& visit, Result otherwise) {
    return VisitKind(
        HatchableKinds{}, kind,
        [&](auto traits) { return visit(FigureOf(traits, traits.List(store)[index])); }, otherwise);
}

}  // namespace rv17
