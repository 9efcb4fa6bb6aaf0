// The piece output shared by all clippers.
#include "hatch/ClipContext.h"

namespace rv17 {

void EmitPiece(ClipContext& context, std::int32_t hatchColour, double x1, double y1, double x2,
               double y2) {
    const ClippedPiece piece{hatchColour, x1, y1, x2, y2};
    if (context.sink != nullptr) {
        context.sink->Piece(piece);
    } else if (WritePiece(context.store, context.offset, piece) &&
               context.piecesWritten != nullptr) {
        ++*context.piecesWritten;
    }
}

}  // namespace rv17
