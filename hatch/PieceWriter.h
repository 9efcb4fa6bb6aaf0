// The piece sink of a conversion: writes each piece, moved back from the
// sweep's frame, as its colour line (where the colour changes) and its lines.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "exchange/OutputWriter.h"
#include "geometry/PlanePoint.h"
#include "hatch/ClippedPiece.h"

namespace rv17 {

class PieceWriter final : public PieceSink {
public:
    // offset: added to both ends of every piece (the sweep's origin).
    PieceWriter(OutputWriter& writer, PlanePoint offset) noexcept
        : writer_(writer), offset_(offset) {}
    PieceWriter(const PieceWriter&) = delete;
    PieceWriter& operator=(const PieceWriter&) = delete;

    void LinePieces(std::span<const ClippedPiece> pieces) override;
    bool TakesLinesInParts() const noexcept override { return true; }
    // Composes a run's text on the worker that fills it, grouped by colour,
    // so that handing it on costs a colour line per group and one write.
    std::unique_ptr<PreparedRun> NewRun() override;
    // Writes what is still held; call once after the sweep.
    void Finish();

    // The pieces whose segment was written.
    std::size_t Segments() const noexcept { return segments_; }

private:
    class ComposedRun;
    void Flush();
    // The colour line (where it changes) before lines of this colour.
    void Colour(std::int32_t colour);

    OutputWriter& writer_;
    PlanePoint offset_;
    std::size_t segments_ = 0;
    // The lines composed since the last colour line, written in one step.
    std::string held_;
    bool coloured_ = false;  // a colour has been given for the held lines
    std::int32_t colour_ = 0;
};

}  // namespace rv17
