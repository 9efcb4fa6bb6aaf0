// Reading and writing the preview pane's remembered state.
#include "ui/PreviewStateFile.h"

#include <string_view>

#include "exchange/FileAccess.h"

namespace rv17 {

namespace {

// A line without its line end and the blanks around it.
std::string_view Trimmed(std::string_view line) {
    const auto first = line.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    return line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

std::filesystem::path PreviewStatePath(const std::filesystem::path& executablePath) {
    std::filesystem::path path = executablePath;
    path.replace_extension(".ini");
    return path;
}

bool LoadPreviewOpen(const std::filesystem::path& path) {
    const FileContents contents = ReadWholeFile(path);
    if (!contents.complete) return false;
    const std::string_view bytes = contents.bytes;
    bool inSection = false;
    bool open = false;
    for (std::size_t start = 0; start <= bytes.size();) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        const std::string_view line = Trimmed(bytes.substr(start, end - start));
        start = end + 1;
        if (!line.empty() && line.front() == '[') {
            inSection = line == "[Preview]";
        } else if (inSection && line.substr(0, 5) == "Open=") {
            open = Trimmed(line.substr(5)) == "1";
        }
    }
    return open;
}

std::error_code SavePreviewOpen(const std::filesystem::path& path, bool open) {
    AtomicFileWriter writer(path);
    writer.Write(open ? "[Preview]\r\nOpen=1\r\n" : "[Preview]\r\nOpen=0\r\n");
    return writer.Commit();
}

}  // namespace rv17
