// The pairing step shared by all clippers: which stretches between sorted
// crossings are written.
#include "ClipContext.h"

#include <cmath>

#include "AttributeEmitters.h"
#include "EntityEmitters.h"
#include "PolygonTest.h"

void EmitInsidePieces(ClipContext& context, std::int32_t hatchColour) {
    const CrossingList& crossings = context.crossings;
    const OutlinePolygon& outline = context.outline.polygon;
    const double* x = crossings.X();
    const double* y = crossings.Y();
    for (int i = 0; i + 1 < crossings.Count(); ++i) {
        // Every consecutive pair is judged on its own: in a bow-tie both lobes
        // are inside and the stretch between them is not.
        const double midX = (x[i] + x[i + 1]) / 2.0;
        const double midY = (y[i] + y[i + 1]) / 2.0;
        if (context.insideTest(outline.count, outline.x, outline.y, midX, midY) != kInsidePolygon) continue;
        // A piece must never reach the host with an end written as "NAN" or "INF".
        if (!std::isfinite(x[i]) || !std::isfinite(y[i]) || !std::isfinite(x[i + 1]) ||
            !std::isfinite(y[i + 1])) {
            continue;
        }
        EmitColour(context.store, hatchColour);
        EmitZFlags(context.store, 1);
        EmitLine(context.store, x[i], y[i], x[i + 1], y[i + 1]);
    }
}
