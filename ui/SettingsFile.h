// The settings file beside the executable (its path with ".dat"): both
// dialogs' positions, the three preset lists and the main dialog's last
// values, one value a line in 14 lines.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "hatch/HatchSettings.h"
#include "ui/Toolkit.h"

namespace rv17 {

inline constexpr ui::ScreenPosition kDefaultMainPosition{100, 100};
inline constexpr ui::ScreenPosition kEditorDesignedPosition{193, 132};
inline constexpr std::string_view kDefaultIntervalList =
    R"("0.3","0.5","1","1.5","2","2.5","3","4","5","10")";
inline constexpr std::string_view kDefaultAngleList =
    R"("0","30","45","60","75","90","120","135","150")";
inline constexpr std::string_view kDefaultWidthList =
    R"("-1","0","13","18","25","35","50","70","100","140","200")";

// What the file holds, in memory. The lists are comma texts; lastValues are
// the main dialog's texts, selections and check boxes as the user left them.
struct SettingsFile {
    ui::ScreenPosition mainPosition = kDefaultMainPosition;
    ui::ScreenPosition editorPosition = kEditorDesignedPosition;
    std::string intervalList{kDefaultIntervalList};
    std::string angleList{kDefaultAngleList};
    std::string widthList{kDefaultWidthList};
    HatchSettings lastValues;
};

// The executable's path with its extension replaced by ".dat".
std::filesystem::path SettingsFilePath(const std::filesystem::path& executablePath);

// Sets every default (the editor position excepted: the caller's value
// stands for "unchanged"), then the values of the file's lines in order.
// Without a file the defaults stay; a file with fewer lines reads each missing
// line as an empty text; a read error keeps the lines read before it. Any
// length and any bytes are accepted.
void LoadSettings(const std::filesystem::path& path, SettingsFile& settings);

// Writes the 14 lines into a new file and puts it in place in one step.
// Returns the first failure met, or no error; after a failure the previous
// file stays as it was.
std::error_code SaveSettings(const std::filesystem::path& path, const SettingsFile& settings);

// True for "T", "TR", "TRU", "TRUE", "1", "１", "○", "ON", "真" and "正" once
// blanks and control characters are removed, in any letter case.
bool TextToFlag(std::string_view text);
std::string FlagToText(bool flag);

// The main dialog's values kept in a settings file, as the dialog would show
// them (a list entry that does not exist reads as no selection, -1), for
// conversions run without a window. Nothing when there is no such file.
std::optional<HatchSettings> LoadHatchSettings(const std::filesystem::path& path);

}  // namespace rv17
