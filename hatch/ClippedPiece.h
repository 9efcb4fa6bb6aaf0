// One piece of a hatch line that the clippers found inside a solid, the sink
// that the sweep hands each line's pieces to, and the lines a piece is written as.
#pragma once

#include <cstdint>
#include <memory>
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
// pieces along the line), in the sweep's frame. Lines that cannot reach any
// solid may be passed over.
class PreparedRun;

class PieceSink {
public:
    virtual void LinePieces(std::span<const ClippedPiece> pieces) = 0;
    // Whether the pieces of one line may come in several calls of LinePieces,
    // one after another, with the same effect as one call with them all (a
    // sink that takes each piece on its own). The sweep then hands on long
    // lines in parts, and never holds all the pieces of a line that reaches
    // a million solids.
    virtual bool TakesLinesInParts() const noexcept { return false; }
    // A holder for the pieces of one run of lines, which a worker of the
    // parallel sweep fills on its own thread. The default keeps the pieces;
    // a sink may instead do part of its work there (compose text, say).
    virtual std::unique_ptr<PreparedRun> NewRun();

protected:
    ~PieceSink() = default;
};

// Takes the lines of one run (LinePieces, on any one thread at a time), then
// HandOn, on the sweep's thread in run order, has the same effect on its sink
// as the sink's own LinePieces for each of those lines; it is empty afterwards.
class PreparedRun : public PieceSink {
public:
    virtual ~PreparedRun() = default;
    virtual void HandOn() = 0;
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
