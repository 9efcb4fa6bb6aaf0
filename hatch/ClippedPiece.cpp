// Composing the lines of a hatch piece.
#include "hatch/ClippedPiece.h"

#include <cmath>

#include "exchange/EntityEmitters.h"

namespace rv17 {

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
