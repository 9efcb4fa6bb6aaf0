// Entry of rv17-hatch: runs the tool and hands its texts to the console.
#include <cstdio>
#include <string>
#include <vector>

#include "tools/CommandArguments.h"
#include "tools/HatchTool.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments = rv17::CommandArguments(argc, argv);
    rv17::ToolOutput output;
    const int exitCode = rv17::RunHatchTool(arguments, output);
    std::fwrite(output.out.data(), 1, output.out.size(), stdout);
    std::fwrite(output.err.data(), 1, output.err.size(), stderr);
    return std::fflush(stdout) == 0 ? exitCode : rv17::kExitFileError;
}
