// Parsing the command line of rv17-hatch through a table of its options.
#include "tools/CommandLine.h"

#include <charconv>

#include "tools/QuotedText.h"
#include "ui/InterfaceTexts.h"

namespace rv17 {

namespace {

// A list entry: a decimal whole number from -1 (no selection) to the last entry.
std::string ReadListEntry(std::string_view option, std::string_view value, int entries,
                          std::optional<std::int32_t>& entry) {
    std::int32_t number = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (error != std::errc{} || end != value.data() + value.size() || number < -1 ||
        number >= entries) {
        return std::string("option ") + Quoted(option) + " takes a list entry from -1 to " +
               std::to_string(entries - 1) + std::string(", not ") + Quoted(value);
    }
    entry = number;
    return {};
}

struct OptionRow {
    std::string_view name;
    bool takesValue;
    // Reads the option into the CommandLine; returns an error, or nothing.
    std::string (*apply)(CommandLine& commandLine, std::string_view value);
};

std::string SetAction(CommandLine& commandLine, ToolAction action) {
    commandLine.action = action;
    return {};
}

std::string SetText(std::optional<std::string>& field, std::string_view value) {
    field = std::string(value);
    return {};
}

std::string SetPath(std::string& field, std::string_view value) {
    field = std::string(value);
    return {};
}

// One row per option.
constexpr OptionRow kOptions[] = {
    {"--count", false,
     [](CommandLine& c, std::string_view) { return SetAction(c, ToolAction::Count); }},
    {"--help", false,
     [](CommandLine& c, std::string_view) { return SetAction(c, ToolAction::Help); }},
    {"--version", false,
     [](CommandLine& c, std::string_view) { return SetAction(c, ToolAction::Version); }},
    {"--interval", true,
     [](CommandLine& c, std::string_view v) { return SetText(c.hatch.interval, v); }},
    {"--angle", true, [](CommandLine& c, std::string_view v) { return SetText(c.hatch.angle, v); }},
    {"--colour", true,
     [](CommandLine& c, std::string_view v) {
         return ReadListEntry("--colour", v, kColourEntryCount, c.hatch.colourIndex);
     }},
    {"--line-type", true,
     [](CommandLine& c, std::string_view v) {
         return ReadListEntry("--line-type", v, kLineTypeEntryCount, c.hatch.lineTypeIndex);
     }},
    {"--width", true, [](CommandLine& c, std::string_view v) { return SetText(c.hatch.width, v); }},
    {"--recolour-numbered", false,
     [](CommandLine& c, std::string_view) {
         c.hatch.recolourNumbered = true;
         return std::string();
     }},
    {"--recolour-sxf", false,
     [](CommandLine& c, std::string_view) {
         c.hatch.recolourSxf = true;
         return std::string();
     }},
    {"--real-size", false,
     [](CommandLine& c, std::string_view) {
         c.hatch.realSize = true;
         return std::string();
     }},
    {"--join", false,
     [](CommandLine& c, std::string_view) {
         c.hatch.join = true;
         return std::string();
     }},
    {"--settings", true,
     [](CommandLine& c, std::string_view v) { return SetPath(c.settingsFile, v); }},
    {"-o", true, [](CommandLine& c, std::string_view v) { return SetPath(c.outputFile, v); }},
    {"--output", true, [](CommandLine& c, std::string_view v) { return SetPath(c.outputFile, v); }},
    {"--svg", true, [](CommandLine& c, std::string_view v) { return SetPath(c.pictureFile, v); }},
};

const OptionRow* FindOption(std::string_view name) noexcept {
    for (const OptionRow& option : kOptions) {
        if (option.name == name) return &option;
    }
    return nullptr;
}

}  // namespace

CommandLineResult ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLineResult result;
    CommandLine& commandLine = result.commandLine;
    std::vector<std::string_view> operands;
    bool help = false;
    bool version = false;
    bool optionsEnded = false;
    const auto fail = [&](std::string error) {
        if (result.error.empty()) result.error = std::move(error);
    };

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            operands.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t equals = argument.find('=');
        const std::string_view name = argument.substr(0, equals);
        const OptionRow* option = FindOption(name);
        if (option == nullptr) {
            fail(std::string("unknown option ") + Quoted(name));
            continue;
        }
        std::optional<std::string_view> value;
        if (equals != std::string_view::npos) {
            value = argument.substr(equals + 1);
        } else if (option->takesValue && i + 1 < arguments.size()) {
            value = arguments[++i];
        }
        if (option->takesValue && !value) {
            fail(std::string("option ") + Quoted(name) + " needs a value");
            continue;
        }
        if (!option->takesValue && value) {
            fail(std::string("option ") + Quoted(name) + " takes no value");
            continue;
        }
        if (std::string error = option->apply(commandLine, value.value_or(std::string_view{}));
            !error.empty()) {
            fail(std::move(error));
        }
        help = help || commandLine.action == ToolAction::Help;
        version = version || commandLine.action == ToolAction::Version;
    }

    if (help || version) {
        commandLine.action = help ? ToolAction::Help : ToolAction::Version;
        result.error.clear();
        return result;
    }
    if (!result.error.empty()) return result;
    if (operands.empty()) {
        result.error = "no exchange file given";
    } else if (operands.size() > 1) {
        result.error = std::string("more than one file given: ") + Quoted(operands[1]);
    } else {
        commandLine.inputFile = operands.front();
        if (commandLine.action == ToolAction::None) commandLine.action = ToolAction::Convert;
    }
    return result;
}

std::string_view UsageText() noexcept {
    return "usage: rv17-hatch [OPTION]... FILE\n"
           "       rv17-hatch --count FILE\n"
           "       rv17-hatch --help | --version\n"
           "\n"
           "Replaces the solids of FILE, an exchange file written by the CAD host\n"
           "(JWC_TEMP.TXT), with hatch lines, exactly as the dialog's OK does, and\n"
           "writes the result over FILE (or to OUTPUT). Nothing is written on failure.\n"
           "\n"
           "  --interval TEXT      spacing in paper millimetres, 0.01 to 100 (default \"1\");\n"
           "                       on a file without \"bz\" (real-size coordinates) it is\n"
           "                       multiplied by the scale of the hatch's layer group\n"
           "  --real-size          the interval is in real-size millimetres instead\n"
           "  --angle TEXT         angle in degrees (default \"0\"; not a number counts as 0)\n"
           "  --colour INDEX       entry of the colour list, -1 to 265; 0 the current\n"
           "                       colour, -1 no selection (default 0)\n"
           "  --line-type INDEX    entry of the line-type list, -1 to 50 (default 0)\n"
           "  --width TEXT         width in 1/100 mm, -1 (current width) to 30000\n"
           "                       (default \"-1\"; not a number counts as 0)\n"
           "  --recolour-numbered  solids of colours 1 to 8 take the hatch colour\n"
           "  --recolour-sxf       solids of SXF colours take the hatch colour\n"
           "  --join               pieces of one line and colour that overlap or touch\n"
           "                       (solids sharing an edge) are written as one segment\n"
           "  --settings FILE      take the dialog's last values from its settings file;\n"
           "                       the options above win over them\n"
           "  -o, --output OUTPUT  write the result to OUTPUT instead of over FILE\n"
           "  --svg PICTURE        also draw the drawing before and after the conversion\n"
           "                       side by side into the SVG file PICTURE (before only\n"
           "                       with --count or when the conversion is refused)\n"
           "  --count              print the number of solids that the conversion hatches,\n"
           "                       then the scale of the hatch's layer group and whether\n"
           "                       the file's coordinates are paper or real size\n"
           "  --help               show this text and end\n"
           "  --version            show the version and end\n"
           "\n"
           "TEXT values are taken as typed into the dialog; INDEX values must be\n"
           "decimal whole numbers.\n"
           "\n"
           "Exit status: 0 converted (or counted); 1 a file could not be read or\n"
           "written; 2 an invalid value or usage, or so many hatch lines that the\n"
           "interval must be larger; 3 no solid to hatch.\n";
}

}  // namespace rv17
