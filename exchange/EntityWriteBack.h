// Writing stored figures back: one re-emit operation per kind that is not
// hatched, and the walk over all figures in file order.
#pragma once

#include <cstddef>
#include <cstdint>

#include "exchange/OutputWriter.h"

namespace rv17 {

// Values that replace a record's own attributes when it is written back.
// Layer group and layer replace only when within 0..15; every other field
// replaces unless it is -1. Each operation looks only at the fields it names.
struct ReemitOverrides {
    std::int32_t layerGroup = -1;
    std::int32_t layer = -1;
    std::int32_t colour = -1;       // line colour: lines, circles, arcs, dimensions, solids
    std::int32_t lineType = -1;     // lines, circles, arcs, dimensions
    std::int32_t lineWidth = -1;    // all but texts
    std::int32_t textColour = -1;   // texts and dimensions: writes the text in free size
    std::int32_t ccValue = -1;      // texts and dimensions
    std::int32_t pointColour = -1;  // points
    std::int32_t rgbColour = -1;    // solids, with a colour override of 10
};

// Each writes the record at the 0-based index of its kind's list; an index
// beyond the list writes nothing. A record whose figure emitter drops it
// (degenerate geometry) still writes its attribute lines, but not its z flags,
// which would otherwise pass to the next figure written.
void ReemitLine(OutputWriter& writer, std::size_t index, const ReemitOverrides& overrides = {});
void ReemitCircle(OutputWriter& writer, std::size_t index, const ReemitOverrides& overrides = {});
void ReemitArc(OutputWriter& writer, std::size_t index, const ReemitOverrides& overrides = {});
void ReemitText(OutputWriter& writer, std::size_t index, const ReemitOverrides& overrides = {});
void ReemitPoint(OutputWriter& writer, std::size_t index, const ReemitOverrides& overrides = {});
void ReemitParameterPoint(OutputWriter& writer, std::size_t index,
                          const ReemitOverrides& overrides = {});
void ReemitDimension(OutputWriter& writer, std::size_t index,
                     const ReemitOverrides& overrides = {});
// Colour line: a stored colour of 10 writes the record's RGB value, any other
// colour its number. A colour override of 10 writes the RGB override (the
// record's RGB value when that is -1); any other colour override its number.
void ReemitSolidSegment(OutputWriter& writer, std::size_t index,
                        const ReemitOverrides& overrides = {});
void ReemitCircleSolid(OutputWriter& writer, std::size_t index,
                       const ReemitOverrides& overrides = {});

// Writes back every figure in file order with its own attributes, except that
// "se" circular solids go to layer 1 of their layer group. Blocks are dropped
// and the hatchable solids are left to the hatch lines that replace them.
// Line segments that came as one curve (consecutive, the same curve number
// other than 0) go back as one curve between "pl" and "#", so that the host
// keeps them one figure; a curve broken by other figures becomes one curve
// per unbroken run.
void WriteBackEntities(OutputWriter& writer);

}  // namespace rv17
