// Writing hatch pieces: composed into text a colour group at a time, so that
// a group costs one colour test and one write.
#include "hatch/PieceWriter.h"

#include "exchange/AttributeEmitters.h"
#include "exchange/LineBuilder.h"

namespace rv17 {

namespace {

// Held text beyond this is written even without a colour change.
constexpr std::size_t kHeldBytes = std::size_t{1} << 16;

}  // namespace

void PieceWriter::LinePieces(std::span<const ClippedPiece> pieces) {
    for (const ClippedPiece& piece : pieces) {
        LineBuilder lines;
        const PieceForm form = ComposePieceLines(piece, offset_, lines);
        if (form == PieceForm::Dropped) continue;
        // Nothing else writes between the pieces, so the colour line can only
        // appear where the colour changes.
        if (!coloured_ || piece.hatchColour != colour_) {
            Flush();
            EmitColour(writer_, piece.hatchColour);
            coloured_ = true;
            colour_ = piece.hatchColour;
        }
        held_.append(lines.View());
        if (form == PieceForm::Segment) ++segments_;
    }
    if (held_.size() >= kHeldBytes) Flush();
}

void PieceWriter::Finish() { Flush(); }

void PieceWriter::Flush() {
    if (held_.empty()) return;
    writer_.ComposedLines(held_);
    held_.clear();
}

}  // namespace rv17
