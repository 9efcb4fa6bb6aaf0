// The before/after preview of a conversion as one self-contained SVG picture.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "exchange/EntityStore.h"
#include "exchange/OutputLines.h"
#include "tools/preview/SvgWriter.h"

namespace rv17 {

struct PreviewInput {
    // The drawing as read (a conversion only reads it).
    const EntityStore& drawing;
    // The output lines of the conversion (the result's heldLines after
    // ConversionRun); nullptr when nothing was converted (--count, or a
    // conversion that was refused): the picture then shows the before panel
    // alone.
    const OutputLines* output = nullptr;
    // The first of the output lines that the sweep wrote (the conversion's
    // firstSweepLine): every line from there on is hatch.
    std::size_t firstHatchLine = 0;
    // Shown in the captions; UTF-8 (malformed bytes are shown as U+FFFD).
    std::string_view fileName;
    // The interval and angle as the user typed them; UTF-8.
    std::string_view interval;
    std::string_view angleDegrees;
};

// Writes the picture to the sink: two panels side by side at the same scale
// in drawing units with y pointing up, "before" (every figure, solids filled
// in their colours) and "after" (the figures written back and the hatch
// segments, the hatched solids as faint outlines), and a caption under each.
void RenderPreviewSvg(const PreviewInput& input, SvgSink& sink);

// Writes the picture to the file at path, atomically. Returns the first
// failure met, or no error; after a failure the file is as it was.
std::error_code WritePreviewSvg(const std::filesystem::path& path, const PreviewInput& input);

}  // namespace rv17
