// Composing the lines of a hatch piece, and runs of pieces kept for their sink.
#include "hatch/ClippedPiece.h"

#include <cmath>
#include <cstddef>
#include <vector>

#include "exchange/EntityEmitters.h"

namespace rv17 {

namespace {

// The pieces of a run kept as they are, and where each line's pieces end.
class KeptRun final : public PreparedRun {
public:
    explicit KeptRun(PieceSink& sink) noexcept : sink_(sink) {}

    void LinePieces(std::span<const ClippedPiece> pieces) override {
        pieces_.insert(pieces_.end(), pieces.begin(), pieces.end());
        lineEnds_.push_back(pieces_.size());
    }

    void HandOn() override {
        const std::span<const ClippedPiece> all(pieces_);
        std::size_t begin = 0;
        for (const std::size_t end : lineEnds_) {
            sink_.LinePieces(all.subspan(begin, end - begin));
            begin = end;
        }
        pieces_.clear();
        lineEnds_.clear();
    }

private:
    PieceSink& sink_;
    std::vector<ClippedPiece> pieces_;
    std::vector<std::size_t> lineEnds_;
};

}  // namespace

std::unique_ptr<PreparedRun> PieceSink::NewRun() { return std::make_unique<KeptRun>(*this); }

PieceForm ComposePieceLines(const ClippedPiece& piece, PlanePoint offset,
                            LineBuilder& lines) noexcept {
    double x1 = piece.x1, y1 = piece.y1, x2 = piece.x2, y2 = piece.y2;
    // A piece must never reach the host with an end written as "NAN" or "INF".
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return PieceForm::Dropped;
    if (offset.X != 0.0 || offset.Y != 0.0)
        x1 += offset.X, y1 += offset.Y, x2 += offset.X, y2 += offset.Y;
    lines.Text("z1\r\n");
    if (!ComposeLine(lines, x1, y1, x2, y2)) return PieceForm::PenOnly;
    lines.Text("\r\n");
    return PieceForm::Segment;
}

}  // namespace rv17
