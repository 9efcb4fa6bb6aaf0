// The hatch that OK would write for a set of values, computed for a preview
// from the drawing as read and never saved.
#pragma once

#include <cstddef>
#include <stop_token>

#include "drawing/ConvertedDrawing.h"
#include "exchange/EntityStore.h"
#include "hatch/ConversionResult.h"
#include "hatch/HatchSettings.h"

namespace rv17 {

// The most hatch segments a preview holds. A hatch beyond it is given up, so
// that a preview never needs more memory than this many segments take.
inline constexpr std::size_t kPreviewSegmentBudget = 2'000'000;

struct PreviewHatch {
    // Accepted with the segments, or the refusal OK would meet (nothing drawn).
    ConversionOutcome outcome = ConversionOutcome::Accepted;
    // False when stop was requested during the sweep: the work was given up.
    bool complete = true;
    // True when the sweep wrote more segments than the budget: it was given
    // up, and there are none to draw.
    bool overBudget = false;
    // The segments as they are written: read back from the output lines, so
    // they carry the written digits and colours, not the sweep's own doubles.
    BlockList<HatchPiece> hatch;
};

// Makes OK's checks and builds OK's output of `drawing` on every core, with
// an output writer of its own, then reads the hatch segments back. The sweep
// stops soon after stop is requested, or once it has written more than
// segmentBudget segments.
PreviewHatch ComputePreviewHatch(const EntityStore& drawing, const HatchSettings& settings,
                                 std::stop_token stop = {},
                                 std::size_t segmentBudget = kPreviewSegmentBudget);

}  // namespace rv17
