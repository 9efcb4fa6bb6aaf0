// The output of a conversion read back as a drawing, with its hatch segments
// told apart from the figures that were written back.
#pragma once

#include <cstddef>
#include <memory>

#include "EntityStore.h"

struct ConvertedDrawing {
    std::unique_ptr<EntityStore> store;
    // The hatch segments are the line records from this index to the end.
    std::size_t firstHatchLine = 0;
    std::size_t hatchSegmentCount = 0;
};

// Parses the output lines into a fresh store as the host would read the saved
// file: a line that ends in a double quote is joined with the line after it
// (a text command and its text). The fresh store takes the text size table of
// the drawing, which the output does not repeat, so texts keep their colours.
//
// Telling the hatch segments apart: the conversion writes every figure back
// before the first hatch segment, and of the figures only a line segment
// reads back as a line record (a dimension's line stays inside its
// dimension). So the hatch segments are the last
//   (line records read back) - (line segments of the drawing that are written)
// line records, where a line segment is written unless its ends coincide
// (IsWritableSegment, the writer's own test).
ConvertedDrawing ReadConvertedDrawing(const EntityStore& drawing, const OutputLines& output);
