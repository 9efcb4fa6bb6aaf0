// The output of a conversion read back as a drawing, with its hatch segments
// kept apart from the figures that were written back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "exchange/BlockList.h"
#include "exchange/EntityStore.h"
#include "exchange/OutputLines.h"

namespace rv17 {

// One hatch segment: 40 bytes, where a line record would take 72 with its
// place in the entity order.
struct HatchPiece {
    std::int32_t colour;
    double x1, y1, x2, y2;
};

struct ConvertedDrawing {
    // The figures written back; no hatch segment among its line records.
    std::unique_ptr<EntityStore> store;
    // The hatch segments in output order.
    BlockList<HatchPiece> hatch;
};

// Reads the output lines as the host reads the saved file: a line that ends
// in a double quote is joined with the line after it (a text command and its
// text). The store takes the text size table of the drawing, which the output
// does not repeat, so texts keep their colours. From firstHatchLine on, where
// the conversion's sweep began to write, every line of four numbers is a
// hatch segment in the colour last set; the figures written back come before.
ConvertedDrawing ReadConvertedDrawing(const EntityStore& drawing, const OutputLines& output,
                                      std::size_t firstHatchLine);

}  // namespace rv17
