// One piece of a hatch line that the clippers found inside a solid, and how
// it is written: its lines are composed first (on any thread), then written
// after the colour line, which depends on the pieces before it.
#pragma once

#include <cstdint>

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
    Dropped,  // an end is not finite: nothing is written, not even the colour
    PenOnly,  // both ends are the same: "z1", no segment
    Segment,  // "z1" and the segment
};

// The lines of a piece after its colour, moved by offset, appended to `lines`,
// each ending in CR LF: "z1" (the piece's z flags) and the segment.
PieceForm ComposePieceLines(const ClippedPiece& piece, PlanePoint offset,
                            LineBuilder& lines) noexcept;

// Writes one piece to the store's output: the hatch colour (when it changed)
// and its lines. True when its segment was written.
bool WritePiece(EntityStore& store, PlanePoint offset, const ClippedPiece& piece);

}  // namespace rv17
