// Entry of rv17-hatch: runs the tool and hands its texts to the console.
#include <cstdio>
#include <string>
#include <vector>

#include "HatchTool.h"

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    ToolOutput output;
    const int exitCode = RunHatchTool(arguments, output);
    std::fwrite(output.out.data(), 1, output.out.size(), stdout);
    std::fwrite(output.err.data(), 1, output.err.size(), stderr);
    return std::fflush(stdout) == 0 ? exitCode : kExitFileError;
}
