// Reading and writing the dialog's remembered state.
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

RememberedState LoadRememberedState(const std::filesystem::path& path) {
    RememberedState state;
    const FileContents contents = ReadWholeFile(path);
    if (!contents.complete) return state;
    const std::string_view bytes = contents.bytes;
    std::string_view section;
    for (std::size_t start = 0; start <= bytes.size();) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        const std::string_view line = Trimmed(bytes.substr(start, end - start));
        start = end + 1;
        const std::size_t equals = line.find('=');
        if (!line.empty() && line.front() == '[') {
            section = line;
        } else if (equals != std::string_view::npos) {
            const std::string_view key = Trimmed(line.substr(0, equals));
            const bool on = Trimmed(line.substr(equals + 1)) == "1";
            if (section == "[Preview]" && key == "Open") state.previewOpen = on;
            if (section == "[Interval]" && key == "RealSize") state.realSize = on;
            if (section == "[Hatch]" && key == "Join") state.joinTouching = on;
        }
    }
    return state;
}

std::error_code SaveRememberedState(const std::filesystem::path& path,
                                    const RememberedState& state) {
    AtomicFileWriter writer(path);
    writer.Write(state.previewOpen ? "[Preview]\r\nOpen=1\r\n" : "[Preview]\r\nOpen=0\r\n");
    writer.Write(state.realSize ? "[Interval]\r\nRealSize=1\r\n" : "[Interval]\r\nRealSize=0\r\n");
    // Off is the key's absence, so the file of a user who never ticks the box
    // stays as it was before the box came.
    if (state.joinTouching) writer.Write("[Hatch]\r\nJoin=1\r\n");
    return writer.Commit();
}

}  // namespace rv17
