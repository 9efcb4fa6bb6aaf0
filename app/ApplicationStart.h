// The life of the program on a windowing toolkit: title, the two dialogs and
// the event loop, for the executable at the given path.
#pragma once

#include <filesystem>

#include "ui/Toolkit.h"

namespace rv17 {

// Returns when the main dialog has closed and the run has ended. The Windows
// entry passes the path of the running executable; tests pass a path inside
// a temporary folder.
void RunApplication(ui::Application& application, const std::filesystem::path& executablePath);

}  // namespace rv17
