// rv17-hatch run in-process: its exit status and what it wrote to standard
// output and standard error.
#pragma once

#include <string>
#include <vector>

#include "tools/HatchTool.h"

namespace rv17 {

struct ToolRun {
    int exitCode = 0;
    ToolOutput output;
};

inline ToolRun RunTool(const std::vector<std::string>& arguments) {
    ToolRun run;
    run.exitCode = RunHatchTool(arguments, run.output);
    return run;
}

}  // namespace rv17
