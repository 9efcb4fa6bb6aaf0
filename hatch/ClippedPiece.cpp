// Composing and writing a hatch piece with its pen.
#include "hatch/ClippedPiece.h"

#include <cmath>

#include "exchange/AttributeEmitters.h"
#include "exchange/EntityEmitters.h"
#include "exchange/ExchangeWriter.h"

namespace rv17 {

PieceForm ComposePiece(const ClippedPiece& piece, PlanePoint offset,
                       LineBuilder& segment) noexcept {
    double x1 = piece.x1, y1 = piece.y1, x2 = piece.x2, y2 = piece.y2;
    // A piece must never reach the host with an end written as "NAN" or "INF".
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return PieceForm::Dropped;
    if (offset.X != 0.0 || offset.Y != 0.0)
        x1 += offset.X, y1 += offset.Y, x2 += offset.X, y2 += offset.Y;
    return ComposeLine(segment, x1, y1, x2, y2) ? PieceForm::Segment : PieceForm::PenOnly;
}

bool EmitComposedPiece(EntityStore& store, std::int32_t hatchColour, PieceForm form,
                       std::string_view segment) {
    if (form == PieceForm::Dropped) return false;
    EmitColour(store, hatchColour);
    EmitZFlags(store, 1);
    if (form == PieceForm::PenOnly) return false;
    AppendOutputLine(store, segment);
    return true;
}

bool WritePiece(EntityStore& store, PlanePoint offset, const ClippedPiece& piece) {
    LineBuilder segment;
    const PieceForm form = ComposePiece(piece, offset, segment);
    return EmitComposedPiece(store, piece.hatchColour, form, segment.View());
}

}  // namespace rv17
