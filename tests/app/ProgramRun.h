// Whole runs of the program on the headless toolkit, with the executable,
// the exchange file and the settings file in a temporary folder.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "app/ApplicationStart.h"
#include "exchange/FileAccess.h"
#include "tests/support/TestFolder.h"
#include "ui/ShiftJis.h"
#include "ui/headless/HeadlessToolkit.h"

namespace rv17 {

using ui::headless::HeadlessApplication;
using ui::headless::HeadlessWindow;

struct ProgramFolder {
    TestFolder folder;
    std::filesystem::path executable = folder.Path() / "rv17.exe";
    std::filesystem::path exchangeFile = folder.Path() / "JWC_TEMP.TXT";
    std::filesystem::path settingsFile = folder.Path() / "rv17.dat";

    // One use of the program: the host has written the exchange file (or not),
    // the user makes the moves of the script, the program ends. Scripts for
    // the preset list editor are played in order, one per opening.
    void Run(const HeadlessApplication::Script& user,
             const std::vector<HeadlessApplication::Script>& editor = {}) const {
        HeadlessApplication app;
        app.OnRun(user);
        for (const auto& script : editor) app.OnNextModal(script);
        RunApplication(app, executable);
    }

    void WriteExchangeFile(std::string_view bytes) const { folder.Write("JWC_TEMP.TXT", bytes); }
    std::string ExchangeBytes() const { return ReadWholeFile(exchangeFile).bytes; }
    std::string SettingsBytes() const { return ReadWholeFile(settingsFile).bytes; }

    // The lines of the settings file, without their line ends.
    std::vector<std::string> SettingsLines() const {
        std::vector<std::string> lines;
        const std::string bytes = SettingsBytes();
        for (std::size_t start = 0; start < bytes.size();) {
            const std::size_t end = bytes.find("\r\n", start);
            if (end == std::string::npos) break;
            lines.push_back(bytes.substr(start, end - start));
            start = end + 2;
        }
        return lines;
    }
};

inline std::string Sj(std::string_view utf8) { return Utf8ToShiftJis(utf8); }
inline std::string Status(HeadlessWindow& w) {
    return ShiftJisToUtf8(w.LabelNamed("Label3").Text());
}
inline bool StatusIsRed(HeadlessWindow& w) {
    return w.LabelNamed("Label3").FontColour() == ui::Colour{255, 0, 0};
}

// A selection as the host writes it: attribute lines, three solids (a
// triangle and two quadrilaterals), a line and a solid segment.
inline constexpr std::string_view kThreeSolids =
    "lg0\r\n"
    "ly0\r\n"
    "lc2\r\n"
    "lt1\r\n"
    "lw0\r\n"
    "sl 0 0 10 0 5 8\r\n"
    "sl 20 0 30 0 30 10 20 10\r\n"
    "lc3\r\n"
    "sl 40 0 50 0 50 5 40 5\r\n"
    "0 20 50 20\r\n"
    "sl 0 30 10 30\r\n";

}  // namespace rv17
