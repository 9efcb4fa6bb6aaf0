// One piece of a hatch line that the clippers found inside a solid, and how
// it is written: its segment's text is composed first (on any thread), then
// written with the pen lines in the sweep's order.
#pragma once

#include <cstdint>
#include <string_view>

#include "exchange/EntityStore.h"
#include "exchange/LineBuilder.h"
#include "geometry/PlanePoint.h"

namespace rv17 {

struct ClippedPiece {
    std::int32_t hatchColour;
    double x1, y1, x2, y2;
};

// Where the clippers put the pieces they find.
class PieceSink {
public:
    virtual void Piece(const ClippedPiece& piece) = 0;

protected:
    ~PieceSink() = default;
};

enum class PieceForm {
    Dropped,  // an end is not finite: nothing is written
    PenOnly,  // both ends are the same: the pen lines, no segment
    Segment,  // the pen lines and the segment
};

// The piece moved by offset; for a Segment its text is composed in `segment`.
PieceForm ComposePiece(const ClippedPiece& piece, PlanePoint offset, LineBuilder& segment) noexcept;

// The hatch colour (when it changed) and "z1" unless the piece is Dropped,
// then the segment's line for a Segment. True when a segment was written.
bool EmitComposedPiece(EntityStore& store, std::int32_t hatchColour, PieceForm form,
                       std::string_view segment);

// Both steps at once.
bool WritePiece(EntityStore& store, PlanePoint offset, const ClippedPiece& piece);

}  // namespace rv17
