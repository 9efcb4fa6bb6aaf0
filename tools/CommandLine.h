// The command line of rv17-hatch, parsed into a plain description of what to
// do, so that parsing is tested without running the tool.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rv17 {

enum class ToolAction {
    None,     // no file and no action option
    Convert,  // hatch the file's solids (the action when none is named)
    Count,    // print the number of hatchable solids of the file
    Help,
    Version,
};

// The dialog's values given on the command line; what is not given comes
// from the settings file, if one is named, or is the dialog's default.
struct HatchOptions {
    std::optional<std::string> interval;      // as typed in the interval box
    std::optional<std::string> angle;         // as typed in the angle box
    std::optional<std::int32_t> colourIndex;  // entry of the colour list; -1 none
    std::optional<std::int32_t> lineTypeIndex;
    std::optional<std::string> width;  // as typed in the width box
    bool recolourNumbered = false;     // given: the check box is on
    bool recolourSxf = false;
    bool realSize = false;  // given: the interval is in real-size millimetres (実寸)
    bool join = false;      // given: touching and overlapping pieces are joined
};

struct CommandLine {
    ToolAction action = ToolAction::None;
    std::string inputFile;     // the exchange file, as given
    std::string outputFile;    // empty: the conversion replaces the input file
    std::string settingsFile;  // empty: none
    std::string pictureFile;   // --svg: the preview picture; empty: none
    HatchOptions hatch;
};

struct CommandLineResult {
    CommandLine commandLine;
    std::string error;  // empty when the command line is usable

    bool Ok() const noexcept { return error.empty(); }
};

// Parses the arguments after the program's name. Options may stand before or
// after the file; "--name=value" and "--name value" both give an option's
// value; "--" ends the options. --help and --version win over everything else.
// A list entry must be a decimal whole number within the list.
CommandLineResult ParseCommandLine(const std::vector<std::string>& arguments);

// The text that --help prints.
std::string_view UsageText() noexcept;

}  // namespace rv17
