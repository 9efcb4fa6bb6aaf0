// The hatch that OK would write for a set of values, computed for a preview
// from a copy of the drawing and never saved.
#pragma once

#include <functional>

#include "drawing/ConvertedDrawing.h"
#include "exchange/EntityStore.h"
#include "hatch/ConversionResult.h"
#include "hatch/HatchSettings.h"

namespace rv17 {

struct PreviewHatch {
    // Accepted with the segments, or the refusal OK would meet (nothing drawn).
    ConversionOutcome outcome = ConversionOutcome::Accepted;
    // False when `stale` answered true during the sweep: the work was given up.
    bool complete = true;
    // The segments as they are written: read back from the output lines, so
    // they carry the written digits and colours, not the sweep's own doubles.
    BlockList<HatchPiece> hatch;
};

// Makes OK's checks and builds OK's output on a copy of `drawing` (a store as
// read, its writer state reset), then reads the hatch segments back. `stale`
// is asked after each hatch line; when it answers true the work stops.
PreviewHatch ComputePreviewHatch(const EntityStore& drawing, const HatchSettings& settings,
                                 const std::function<bool()>& stale = {});

}  // namespace rv17
