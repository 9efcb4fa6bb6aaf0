// The piece output shared by all clippers.
#include "hatch/ClipContext.h"

#include <cmath>

#include "exchange/AttributeEmitters.h"
#include "exchange/EntityEmitters.h"

namespace rv17 {

void EmitPiece(ClipContext& context, std::int32_t hatchColour, double x1, double y1, double x2,
               double y2) {
    // A piece must never reach the host with an end written as "NAN" or "INF".
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return;
    const PlanePoint o = context.offset;
    if (o.X != 0.0 || o.Y != 0.0) x1 += o.X, y1 += o.Y, x2 += o.X, y2 += o.Y;
    EmitColour(context.store, hatchColour);
    EmitZFlags(context.store, 1);
    if (EmitLine(context.store, x1, y1, x2, y2) && context.piecesWritten != nullptr)
        ++*context.piecesWritten;
}

}  // namespace rv17
