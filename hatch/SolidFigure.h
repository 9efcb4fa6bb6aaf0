// The figure that a record of each hatchable kind describes, and walks that
// hand those figures to one step of the conversion, so that every step that
// differs by kind (bounds, reach, clipping) follows the one list of hatchable
// kinds: a step is a set of overloads, one per figure.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>

#include "exchange/EntityStore.h"
#include "geometry/GeometryTolerance.h"
#include "geometry/Pi.h"
#include "geometry/PlanePoint.h"
#include "hatch/HatchSolid.h"

namespace rv17 {

// Ring variants: a ring ("so") whose second edge has the same flatness, and a
// constant-width ring ("sg") whose two edges are equally far apart on both axes.
enum class RingVariant { SameFlatness = 1, ConstantWidth = 2 };

// The mode whose figure a circular solid has. The end tangents of an arc
// over a quarter turn meet beyond the side the region opens to, ever farther
// as the arc nears a half turn; the host shows such a solid as its sector, so
// it is hatched, bounded and drawn as one.
inline CircleSolidMode FigureSolidMode(const CircleSolidRecord& solid) noexcept {
    const bool overQuarterTurn = std::fabs(solid.arcAngle) > kHalfPi + kQuarterTurnSlack;
    const CircleSolidMode mode = solid.Mode();
    return mode == CircleSolidMode::TangentCorner && overQuarterTurn ? CircleSolidMode::Sector
                                                                     : mode;
}

// The flatness of a ring's second edge.
inline double InnerFlatness(RingVariant variant, const RingSolidRecord& ring) noexcept {
    if (variant == RingVariant::ConstantWidth) {
        // radius - radius2 = radius * flatness - radius2 * innerFlatness.
        return 1.0 + (ring.radius * ring.flatness - ring.radius) / ring.radius2;
    }
    return ring.flatness;
}

// Whether a ring goes all the way round, without end edges: an arc of
// (nearly) nothing or of (nearly) a whole turn either way.
inline bool IsWholeRing(const RingSolidRecord& ring) noexcept {
    const double magnitude = std::fabs(ring.arcAngle);
    return NearlyEqual(0.0, magnitude) || NearlyEqual(kTwoPi, magnitude);
}

// A ring solid with the variant that its kind gives it.
struct RingFigure {
    const RingSolidRecord& ring;
    RingVariant variant;
};

// The figure of a record of kind K: a RingFigure for the two ring kinds, the
// record itself for the others.
template <EntityKind K>
decltype(auto) FigureOf(KindTraits<K>, const typename KindTraits<K>::RecordType& record) noexcept {
    if constexpr (K == EntityKind::RingSolid) {
        return RingFigure{record, RingVariant::SameFlatness};
    } else if constexpr (K == EntityKind::ConstantWidthRingSolid) {
        return RingFigure{record, RingVariant::ConstantWidth};
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

// Calls visit(figure) for entry index of kind's list among the sweep's solids,
// which must exist; nothing for a kind that is not hatchable.
template <class Visitor>
void VisitSolidFigure(const SweepSolids& solids, EntityKind kind, std::size_t index,
                      Visitor&& visit) {
    VisitKind(HatchableKinds{}, kind, [&](auto traits) {
        visit(FigureOf(traits, SolidsOfKind<decltype(traits)::kKind>(solids)[index]));
    });
}

// The same, returning what visit returns, or otherwise for a kind that is not
// hatchable.
template <class Visitor, class Result>
Result VisitSolidFigure(const SweepSolids& solids, EntityKind kind, std::size_t index,
                        Visitor&& visit, Result otherwise) {
    return VisitKind(
        HatchableKinds{}, kind,
        [&](auto traits) {
            return visit(FigureOf(traits, SolidsOfKind<decltype(traits)::kKind>(solids)[index]));
        },
        otherwise);
}

// A solid's record moved by -origin: its corners or centre; sizes and angles stay.
inline TriangleSolidRecord MovedRecord(TriangleSolidRecord s, PlanePoint o) noexcept {
    s.x1 -= o.X, s.y1 -= o.Y, s.x2 -= o.X, s.y2 -= o.Y, s.x3 -= o.X, s.y3 -= o.Y;
    return s;
}
inline QuadSolidRecord MovedRecord(QuadSolidRecord s, PlanePoint o) noexcept {
    s.x1 -= o.X, s.y1 -= o.Y, s.x2 -= o.X, s.y2 -= o.Y;
    s.x3 -= o.X, s.y3 -= o.Y, s.x4 -= o.X, s.y4 -= o.Y;
    return s;
}
inline CircleSolidRecord MovedRecord(CircleSolidRecord s, PlanePoint o) noexcept {
    s.cx -= o.X, s.cy -= o.Y;
    return s;
}
inline RingSolidRecord MovedRecord(RingSolidRecord s, PlanePoint o) noexcept {
    s.cx -= o.X, s.cy -= o.Y;
    return s;
}

// As ForEachSolidFigure, each solid moved by -origin.
template <class Visitor>
void ForEachMovedSolidFigure(const EntityStore& store, PlanePoint origin, Visitor&& visit) {
    ForEachKind(HatchableKinds{}, [&](auto traits) {
        const auto& list = traits.List(store);
        for (std::size_t i = 0; i < list.Count(); ++i) {
            const auto moved = MovedRecord(list[i], origin);
            visit(FigureOf(traits, moved));
        }
    });
}

}  // namespace rv17
