// Parsing the command line of rv17-hatch through a table of its options.
#include "CommandLine.h"

#include <optional>

namespace {

struct OptionRow {
    std::string_view name;
    bool takesValue;
    void (*apply)(CommandLine& commandLine, std::string_view value);
};

void SetAction(CommandLine& commandLine, ToolAction action) { commandLine.action = action; }

// One row per option; an option with a value reads it into the CommandLine.
constexpr OptionRow kOptions[] = {
    {"--count", false, [](CommandLine& c, std::string_view) { SetAction(c, ToolAction::Count); }},
    {"--help", false, [](CommandLine& c, std::string_view) { SetAction(c, ToolAction::Help); }},
    {"--version", false, [](CommandLine& c, std::string_view) { SetAction(c, ToolAction::Version); }},
};

const OptionRow* FindOption(std::string_view name) noexcept {
    for (const OptionRow& option : kOptions) {
        if (option.name == name) return &option;
    }
    return nullptr;
}

std::string Quoted(std::string_view text) {
    std::string quoted(1, '\'');
    quoted.append(text);
    quoted += '\'';
    return quoted;
}

}  // namespace

CommandLineResult ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLineResult result;
    CommandLine& commandLine = result.commandLine;
    std::vector<std::string_view> operands;
    bool help = false;
    bool version = false;
    bool optionsEnded = false;

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
            if (result.error.empty()) result.error = "unknown option " + Quoted(name);
            continue;
        }
        std::optional<std::string_view> value;
        if (equals != std::string_view::npos) {
            value = argument.substr(equals + 1);
        } else if (option->takesValue && i + 1 < arguments.size()) {
            value = arguments[++i];
        }
        if (option->takesValue && !value) {
            if (result.error.empty()) result.error = "option " + Quoted(name) + " needs a value";
            continue;
        }
        if (!option->takesValue && value) {
            if (result.error.empty()) result.error = "option " + Quoted(name) + " takes no value";
            continue;
        }
        option->apply(commandLine, value.value_or(std::string_view{}));
        help = help || commandLine.action == ToolAction::Help;
        version = version || commandLine.action == ToolAction::Version;
    }

    if (help || version) {
        commandLine.action = help ? ToolAction::Help : ToolAction::Version;
        result.error.clear();
        return result;
    }
    if (!result.error.empty()) return result;
    if (commandLine.action == ToolAction::None) {
        result.error = "no action given (use --count)";
    } else if (operands.empty()) {
        result.error = "no exchange file given";
    } else if (operands.size() > 1) {
        result.error = "more than one file given: " + Quoted(operands[1]);
    } else {
        commandLine.inputFile = operands.front();
    }
    return result;
}

std::string_view UsageText() noexcept {
    return "usage: rv17-hatch --count FILE\n"
           "       rv17-hatch --help | --version\n"
           "\n"
           "Reads FILE, an exchange file written by the CAD host (JWC_TEMP.TXT).\n"
           "\n"
           "  --count     print the number of solids that the conversion hatches\n"
           "  --help      show this text and end\n"
           "  --version   show the version and end\n";
}
