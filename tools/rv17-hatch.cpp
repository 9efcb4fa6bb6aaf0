// Entry of rv17-hatch: runs the tool and hands its texts to the console. A
// failure that the run could not handle still ends with a message and a
// documented exit code; unwinding has removed any unfinished temporary file.
#include <cstdio>
#include <exception>
#include <new>
#include <string>
#include <vector>

#include "tools/CommandArguments.h"
#include "tools/FileSizeSignal.h"
#include "tools/HatchTool.h"

namespace {

int Stopped(const char* reason) {
    std::fflush(stdout);
    std::fprintf(stderr,
                 "rv17-hatch: %s; the run stopped, and the exchange file was not replaced\n",
                 reason);
    return rv17::kExitStopped;
}

}  // namespace

int main(int argc, char** argv) {
    rv17::IgnoreFileSizeSignal();
    try {
        const std::vector<std::string> arguments = rv17::CommandArguments(argc, argv);
        rv17::ToolOutput output;
        const int exitCode = rv17::RunHatchTool(arguments, output);
        std::fwrite(output.out.data(), 1, output.out.size(), stdout);
        std::fwrite(output.err.data(), 1, output.err.size(), stderr);
        return std::fflush(stdout) == 0 ? exitCode : rv17::kExitFileError;
    } catch (const std::bad_alloc&) {
        return Stopped("not enough memory");
    } catch (const std::exception& failure) {
        return Stopped(failure.what());
    } catch (...) {
        return Stopped("unexpected failure");
    }
}
