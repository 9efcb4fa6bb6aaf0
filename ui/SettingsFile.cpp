// Loading and saving the settings file.
#include "ui/SettingsFile.h"

#include <array>
#include <charconv>
#include <vector>

#include "exchange/FileAccess.h"
#include "geometry/TextConversions.h"
#include "ui/InterfaceTexts.h"

namespace rv17 {

namespace {

constexpr std::size_t kLineCount = 14;

std::string IntegerText(std::int32_t value) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// The lines of the file, each without its line feed and the carriage return
// before it. When the file could not be read to its end, only the lines whose
// line feed was read count.
std::vector<std::string_view> SplitLines(std::string_view bytes, bool complete) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (lines.size() < kLineCount && start < bytes.size()) {
        const std::size_t feed = bytes.find('\n', start);
        if (feed == std::string_view::npos) {
            if (complete) lines.push_back(bytes.substr(start));
            break;
        }
        std::size_t end = feed;
        if (end > start && bytes[end - 1] == '\r') --end;
        lines.push_back(bytes.substr(start, end - start));
        start = feed + 1;
    }
    return lines;
}

void ApplyLine(std::size_t index, std::string_view line, SettingsFile& settings) {
    HatchSettings& last = settings.lastValues;
    switch (index) {
        case 0:
            settings.mainPosition.left = TextToInteger(line);
            break;
        case 1:
            settings.mainPosition.top = TextToInteger(line);
            break;
        case 2:
            settings.editorPosition.left = TextToInteger(line);
            break;
        case 3:
            settings.editorPosition.top = TextToInteger(line);
            break;
        case 4:
            settings.intervalList = line;
            break;
        case 5:
            settings.angleList = line;
            break;
        case 6:
            settings.widthList = line;
            break;
        case 7:
            last.interval = line;
            break;
        case 8:
            last.angleDegrees = line;
            break;
        case 9:
            last.colourIndex = TextToInteger(line);
            break;
        case 10:
            last.lineTypeIndex = TextToInteger(line);
            break;
        case 11:
            last.width = line;
            break;
        case 12:
            last.recolourNumberedSolids = TextToFlag(line);
            break;
        case 13:
            last.recolourSxfSolids = TextToFlag(line);
            break;
        default:
            break;
    }
}

}  // namespace

std::filesystem::path SettingsFilePath(const std::filesystem::path& executablePath) {
    std::filesystem::path path = executablePath;
    path.replace_extension(".dat");
    return path;
}

void LoadSettings(const std::filesystem::path& path, SettingsFile& settings) {
    const ui::ScreenPosition editorPosition = settings.editorPosition;
    settings = SettingsFile{};
    settings.editorPosition = editorPosition;
    if (!FileExists(path)) return;
    const FileContents contents = ReadWholeFile(path);
    const auto lines = SplitLines(contents.bytes, contents.complete);
    const std::size_t applied = contents.complete ? kLineCount : lines.size();
    for (std::size_t i = 0; i < applied; ++i) {
        ApplyLine(i, i < lines.size() ? lines[i] : std::string_view(), settings);
    }
}

std::error_code SaveSettings(const std::filesystem::path& path, const SettingsFile& settings) {
    const HatchSettings& last = settings.lastValues;
    const std::array<std::string, kLineCount> lines{
        IntegerText(settings.mainPosition.left),
        IntegerText(settings.mainPosition.top),
        IntegerText(settings.editorPosition.left),
        IntegerText(settings.editorPosition.top),
        settings.intervalList,
        settings.angleList,
        settings.widthList,
        last.interval,
        last.angleDegrees,
        IntegerText(last.colourIndex),
        IntegerText(last.lineTypeIndex),
        last.width,
        FlagToText(last.recolourNumberedSolids),
        FlagToText(last.recolourSxfSolids),
    };
    AtomicFileWriter writer(path);
    for (const std::string& line : lines) {
        writer.Write(line);
        writer.Write("\r\n");
    }
    return writer.Commit();
}

bool TextToFlag(std::string_view text) {
    static constexpr std::array<std::string_view, 10> kTrueSpellings{
        "T",        "TR", "TRU", "TRUE", "1",
        "\x82\x50",  // "１", the full-width digit one
        "\x81\x9B",  // "○"
        "ON",
        "\x90\x5E",  // "真"
        "\x90\xB3",  // "正"
    };
    const std::string word = UpperCaseAscii(RemoveBlanks(text));
    for (const auto spelling : kTrueSpellings) {
        if (word == spelling) return true;
    }
    return false;
}

std::string FlagToText(bool flag) { return flag ? "1" : "0"; }

std::optional<HatchSettings> LoadHatchSettings(const std::filesystem::path& path) {
    if (!FileExists(path)) return std::nullopt;
    SettingsFile settings;
    LoadSettings(path, settings);
    HatchSettings values = settings.lastValues;
    if (values.colourIndex < 0 || values.colourIndex >= kColourEntryCount) values.colourIndex = -1;
    if (values.lineTypeIndex < 0 || values.lineTypeIndex >= kLineTypeEntryCount)
        values.lineTypeIndex = -1;
    return values;
}

}  // namespace rv17
