// The command line of rv17-hatch, parsed into a plain description of what to
// do, so that parsing is tested without running the tool.
#pragma once

#include <string>
#include <string_view>
#include <vector>

enum class ToolAction {
    None,     // no action option was given
    Count,    // print the number of hatchable solids of the file
    Help,
    Version,
};

struct CommandLine {
    ToolAction action = ToolAction::None;
    std::string inputFile;  // the exchange file, as given
};

struct CommandLineResult {
    CommandLine commandLine;
    std::string error;  // empty when the command line is usable

    bool Ok() const noexcept { return error.empty(); }
};

// Parses the arguments after the program's name. Options may stand before or
// after the file; "--name=value" and "--name value" both give an option's
// value; "--" ends the options. --help and --version win over everything else.
CommandLineResult ParseCommandLine(const std::vector<std::string>& arguments);

// The text that --help prints.
std::string_view UsageText() noexcept;
