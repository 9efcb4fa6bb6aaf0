// One piece of a hatch line that the clippers found inside a solid, the sink
// that the sweep hands each line's pieces to, and the lines a piece is written as.
#pragma once

#include <cstdint>
#include <span>

#include "exchange/LineBuilder.h"
#include "geometry/PlanePoint.h"

namespace rv17 {

struct ClippedPiece {
    std::int32_t hatchColour;
    double x1, y1, x2, y2;
};

// Takes the pieces of the hatch lines, line after line in the sweep's order,
// each line's pieces in writing order (the solids in file order, each solid's
// pieces along the line), in the sweep's frame.
class PieceSink {
public:
    virtual void LinePieces(std::span<const ClippedPiece> pieces) = 0;

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

}  // namespace rv17
