// A piece sink in front of another that writes the pieces of a hatch line
// which share a colour and overlap or touch as one segment, so that a region
// made of several solids hatches like one.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "geometry/Angles.h"
#include "hatch/ClippedPiece.h"

namespace rv17 {

// The joining of one line's pieces, with room kept from line to line.
class LineJoin {
public:
    // angle: the hatch angle of the run, in radians.
    explicit LineJoin(double angle) noexcept;

    // The pieces of one line after joining: each set of pieces of one colour
    // that overlap or touch (a gap along the line of at most kTouchingGap,
    // also through other pieces of the set) is one piece, in the place of
    // the set's first piece. Its ends are the set's extreme positions along
    // the line, turned back from the line's frame at the height of the first
    // piece's start, as the crossing list turns one piece's ends back; a
    // piece alone stays as it was, to the last bit, as does a piece with an
    // end that is not finite. Valid until the next call.
    std::span<const ClippedPiece> Join(std::span<const ClippedPiece> pieces);

private:
    // A piece's place along the line, in the frame where the line runs along x.
    struct Stretch {
        std::int32_t colour;
        std::uint32_t piece;  // its index in the line's pieces
        double from;
        double to;
    };
    // A set of joined pieces; first is the index of its first piece.
    struct JoinedSet {
        std::uint32_t first;
        std::uint32_t members;
        double from;
        double to;
    };

    Rotation toFrame_;
    Rotation toDrawing_;
    std::vector<Stretch> stretches_;
    std::vector<JoinedSet> sets_;
    // For each piece, its set when it is the set's first piece, else none.
    std::vector<std::uint32_t> leading_;
    std::vector<ClippedPiece> joined_;
};

class PieceJoiner final : public PieceSink {
public:
    // next: takes the joined pieces; angle: the sweep's hatch angle (radians).
    PieceJoiner(PieceSink& next, double angle) : next_(next), angle_(angle), join_(angle) {}
    PieceJoiner(const PieceJoiner&) = delete;
    PieceJoiner& operator=(const PieceJoiner&) = delete;

    void LinePieces(std::span<const ClippedPiece> pieces) override;
    // Joins on the worker that fills the run, in front of the next sink's run.
    std::unique_ptr<PreparedRun> NewRun() override;

private:
    class JoiningRun;
    PieceSink& next_;
    double angle_;
    LineJoin join_;
};

}  // namespace rv17
