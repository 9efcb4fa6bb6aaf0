// rv17-hatch: reads an exchange file into the entity store and reports on it.
#include "HatchTool.h"

#include <charconv>
#include <filesystem>
#include <system_error>

#include "CommandArguments.h"
#include "CommandLine.h"
#include "JwwGaibu.h"

namespace {

constexpr std::string_view kToolName = "rv17-hatch";

std::string Decimal(std::int32_t value) {
    char digits[16];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
    return std::string(digits, static_cast<std::size_t>(end - digits));
}

int CountSolids(const CommandLine& commandLine, ToolOutput& output) {
    EntityStore store;
    InitialiseStore(store);
    std::error_code error;
    const bool read = ReadExchangeFile(store, PathFromArgument(commandLine.inputFile), error);
    if (!read) {
        output.err += std::string(kToolName) + ": cannot read '" + commandLine.inputFile + "': " +
                      error.message() + "\n";
        ReleaseStore(store);
        return kExitFileError;
    }
    output.out += Decimal(SolidCount(store)) + "\n";
    ReleaseStore(store);
    return kExitOk;
}

}  // namespace

int RunHatchTool(const std::vector<std::string>& arguments, ToolOutput& output) {
    const CommandLineResult parsed = ParseCommandLine(arguments);
    if (!parsed.Ok()) {
        output.err += std::string(kToolName) + ": " + parsed.error + "\n";
        output.err += UsageText();
        return kExitUsage;
    }
    switch (parsed.commandLine.action) {
        case ToolAction::Help:
            output.out += UsageText();
            return kExitOk;
        case ToolAction::Version:
            output.out += std::string(kToolName) + " " + RV17_VERSION + "\n";
            return kExitOk;
        case ToolAction::Count:
            return CountSolids(parsed.commandLine, output);
        case ToolAction::None:
            break;
    }
    return kExitUsage;
}
