// Arguments on POSIX systems: file names are bytes, passed on unchanged.
#include "tools/CommandArguments.h"

namespace rv17 {

std::vector<std::string> CommandArguments(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

std::filesystem::path PathFromArgument(const std::string& argument) {
    return std::filesystem::path(argument);
}

}  // namespace rv17
