// The picture of rv17-hatch --svg and its failure message.
#include "tools/preview/ToolPreview.h"

#include <system_error>

namespace rv17 {

std::string WriteToolPreview(const std::filesystem::path& path, std::string_view pathText,
                             const PreviewInput& input, ToolConversion conversion) {
    const std::error_code error = WritePreviewSvg(path, input);
    if (!error) return {};
    std::string message = "cannot write the picture '";
    message.append(pathText).append("': ").append(error.message());
    message += conversion == ToolConversion::Saved ? " (the conversion itself was saved)"
                                                   : " (nothing was converted)";
    return message;
}

}  // namespace rv17
