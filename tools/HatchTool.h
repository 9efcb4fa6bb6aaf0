// The work of rv17-hatch behind its main function: from the arguments to the
// exit code and the texts for standard output and standard error.
#pragma once

#include <string>
#include <vector>

namespace rv17 {

struct ToolOutput {
    std::string out;
    std::string err;
};

// Exit codes: 0 done; 1 a file could not be read whole or written (a read
// that fails partway too, and a write past the file-size limit); 2 the
// command line or a value is unusable (an interval too small for the drawing
// too); 3 the file holds no solid to hatch; 4 memory ran out, or another
// failure stopped the run. The exchange file is written only with code 0; a
// picture asked for with --svg is drawn whenever the file was read (a picture
// that cannot be written gives 1, the conversion being saved).
inline constexpr int kExitOk = 0;
inline constexpr int kExitFileError = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitNoSolids = 3;
inline constexpr int kExitStopped = 4;

// The arguments are those of CommandArguments (UTF-8 on Windows).
int RunHatchTool(const std::vector<std::string>& arguments, ToolOutput& output);

}  // namespace rv17
