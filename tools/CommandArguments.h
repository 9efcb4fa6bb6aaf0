// The program's arguments as text, and the path an argument names. On Windows
// the arguments are taken in UTF-16 from the system and held as UTF-8, so
// file names in any script work whatever the system's code page; elsewhere
// they are the bytes the program was given.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace rv17 {

// The arguments after the program's name.
std::vector<std::string> CommandArguments(int argc, char** argv);

// The path that an argument of CommandArguments names.
std::filesystem::path PathFromArgument(const std::string& argument);

}  // namespace rv17
