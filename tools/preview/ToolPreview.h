// The preview as rv17-hatch --svg writes it: the picture, or the message that
// says why it could not be written.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "tools/preview/SvgPreview.h"

namespace rv17 {

// What the tool had done with the exchange file before drawing the picture.
enum class ToolConversion {
    Saved,        // the conversion's output was saved
    NotConverted  // --count, or the conversion was refused: nothing was written
};

// Writes the picture to path; returns an empty text on success, otherwise the
// message for standard error (without the tool's name and line end): the
// picture's path as the user gave it (pathText), the system's reason, and
// whether the conversion was saved all the same.
std::string WriteToolPreview(const std::filesystem::path& path, std::string_view pathText,
                             const PreviewInput& input, ToolConversion conversion);

}  // namespace rv17
