// Joining the touching and overlapping pieces of each hatch line.
#include "hatch/PieceJoiner.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "geometry/GeometryTolerance.h"

namespace rv17 {

namespace {

constexpr std::uint32_t kNotFirst = std::numeric_limits<std::uint32_t>::max();

bool FiniteEnds(const ClippedPiece& piece) noexcept {
    return std::isfinite(piece.x1) && std::isfinite(piece.y1) && std::isfinite(piece.x2) &&
           std::isfinite(piece.y2);
}

}  // namespace

LineJoin::LineJoin(double angle) noexcept
    : toFrame_(RotationBy(-angle)), toDrawing_(RotationBy(angle)) {}

std::span<const ClippedPiece> LineJoin::Join(std::span<const ClippedPiece> pieces) {
    if (pieces.size() < 2) return pieces;

    stretches_.clear();
    for (std::uint32_t i = 0; i < pieces.size(); ++i) {
        const ClippedPiece& piece = pieces[i];
        if (!FiniteEnds(piece)) continue;
        const double from = RotatePoint(piece.x1, piece.y1, 0.0, 0.0, toFrame_).X;
        const double to = RotatePoint(piece.x2, piece.y2, 0.0, 0.0, toFrame_).X;
        stretches_.push_back({piece.hatchColour, i, std::min(from, to), std::max(from, to)});
    }
    // By colour, then along the line; a stretch then joins the set before it
    // exactly when it begins within the gap of the farthest end seen so far.
    std::sort(stretches_.begin(), stretches_.end(), [](const Stretch& a, const Stretch& b) {
        if (a.colour != b.colour) return a.colour < b.colour;
        if (a.from != b.from) return a.from < b.from;
        return a.piece < b.piece;
    });
    sets_.clear();
    for (std::size_t s = 0; s < stretches_.size(); ++s) {
        const Stretch& stretch = stretches_[s];
        if (s > 0 && stretches_[s - 1].colour == stretch.colour &&
            stretch.from - sets_.back().to <= kTouchingGap) {
            JoinedSet& set = sets_.back();
            set.first = std::min(set.first, stretch.piece);
            set.to = std::max(set.to, stretch.to);
            ++set.members;
        } else {
            sets_.push_back({stretch.piece, 1, stretch.from, stretch.to});
        }
    }
    if (sets_.size() == stretches_.size()) return pieces;  // nothing touches

    leading_.assign(pieces.size(), kNotFirst);
    for (std::uint32_t s = 0; s < sets_.size(); ++s) leading_[sets_[s].first] = s;
    joined_.clear();
    for (std::uint32_t i = 0; i < pieces.size(); ++i) {
        const ClippedPiece& piece = pieces[i];
        if (!FiniteEnds(piece)) {
            joined_.push_back(piece);
            continue;
        }
        if (leading_[i] == kNotFirst) continue;
        const JoinedSet& set = sets_[leading_[i]];
        if (set.members == 1) {
            joined_.push_back(piece);
            continue;
        }
        // Both ends at one height of the frame, so the segment lies along the line.
        const double height = RotatePoint(piece.x1, piece.y1, 0.0, 0.0, toFrame_).Y;
        const PlanePoint start = RotatePoint(set.from, height, 0.0, 0.0, toDrawing_);
        const PlanePoint end = RotatePoint(set.to, height, 0.0, 0.0, toDrawing_);
        joined_.push_back({piece.hatchColour, start.X, start.Y, end.X, end.Y});
    }
    return joined_;
}

// A run's pieces joined on the worker that fills it, then kept or composed
// by the next sink's own run.
class PieceJoiner::JoiningRun final : public PreparedRun {
public:
    JoiningRun(std::unique_ptr<PreparedRun> next, double angle)
        : next_(std::move(next)), join_(angle) {}

    void LinePieces(std::span<const ClippedPiece> pieces) override {
        next_->LinePieces(join_.Join(pieces));
    }
    void HandOn() override { next_->HandOn(); }

private:
    std::unique_ptr<PreparedRun> next_;
    LineJoin join_;
};

void PieceJoiner::LinePieces(std::span<const ClippedPiece> pieces) {
    next_.LinePieces(join_.Join(pieces));
}

std::unique_ptr<PreparedRun> PieceJoiner::NewRun() {
    return std::make_unique<JoiningRun>(next_.NewRun(), angle_);
}

}  // namespace rv17
