// Which solids each hatch line can reach, so that a line is offered only to
// those (in file order) instead of to every solid. Each solid gets the range
// of line numbers, in each direction of the sweep, whose lines pass near its
// bounding box (SweepReach, found once and shared by every worker); each
// worker then walks its lines in order with the set of solids whose range
// holds the current line (SweepIndex).
#pragma once

#include <cstdint>
#include <vector>

#include "hatch/HatchSolid.h"
#include "hatch/OutlinePolygon.h"
#include "hatch/SweepPlan.h"

namespace rv17 {

enum class SweepDirection {
    Forward,   // the line through S is number 0, then 1, 2, ... forward
    Backward,  // 1, 2, ... backward
};

// A solid that the current line can reach: its position among the solids in
// file order, and the slot that keeps its outline while it stays in reach
// (-1 when every slot is taken: its outline is then made for each line).
struct ReachableSolid {
    std::uint32_t ordinal;
    std::int32_t slot;
};

// An inclusive range of line numbers; empty when first > last.
struct LineRange {
    std::int64_t first;
    std::int64_t last;
};

// The line ranges of one solid in both directions. A solid that no line can
// cut (an undefined circular figure) gets empty ranges.
struct SolidLineRanges {
    LineRange forward;
    LineRange backward;
};
SolidLineRanges LineRangesOfSolid(const SweepSolids& solids, const HatchSolid& solid,
                                  const SweepPlan& plan);

// The line ranges of every solid in both directions, and the lines that
// reach any solid at all. Made once per sweep and then only read.
class SweepReach {
public:
    struct Direction {
        // Each solid's range, by its position in file order.
        std::vector<LineRange> ranges;
        // The solids with a range, by first line, then in file order.
        std::vector<std::uint32_t> byFirstLine;
        // Ascending and apart: no line outside them reaches a solid.
        std::vector<LineRange> reachingAny;
    };

    SweepReach(const SweepSolids& solids, const SweepPlan& plan);

    const Direction& Of(SweepDirection direction) const noexcept {
        return direction == SweepDirection::Forward ? forward_ : backward_;
    }

private:
    Direction forward_;
    Direction backward_;
};

class SweepIndex {
public:
    explicit SweepIndex(const SweepReach& reach) noexcept : reach_(reach) {}

    void BeginDirection(SweepDirection direction);

    // The solids that line number k of the current direction can reach, in
    // file order. The numbers must not fall from call to call (lines may be
    // passed over).
    const std::vector<ReachableSolid>& SolidsForLine(std::int64_t k);

    // The slot of a solid in reach that has one.
    OutlineSlot& Slot(std::int32_t slot) noexcept { return slots_[static_cast<std::size_t>(slot)]; }

    // Outlines kept at most at once: enough for the solids that one line of
    // a crowded drawing reaches, few enough that a line reaching a million
    // solids costs no more memory than one reaching thousands.
    static constexpr std::size_t kMaxSlots = 4096;

private:
    void ReleaseSlot(std::int32_t slot);
    std::int32_t TakeSlot();

    const SweepReach& reach_;
    const SweepReach::Direction* direction_ = nullptr;
    std::size_t nextToEnter_ = 0;  // in direction_->byFirstLine
    std::vector<ReachableSolid> reachable_;
    std::vector<OutlineSlot> slots_;
    std::vector<std::int32_t> freeSlots_;
};

}  // namespace rv17
