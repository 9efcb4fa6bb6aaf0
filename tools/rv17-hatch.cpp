// Entry of rv17-hatch: runs the tool and hands its texts to the console.
#include <cstdio>
#include <string>
#include <vector>

#include "CommandArguments.h"
#include "HatchTool.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments = CommandArguments(argc, argv);
    ToolOutput output;
    const int exitCode = RunHatchTool(arguments, output);
    std::fwrite(output.out.data(), 1, output.out.size(), stdout);
    std::fwrite(output.err.data(), 1, output.err.size(), stderr);
    return std::fflush(stdout) == 0 ? exitCode : kExitFileError;
}
