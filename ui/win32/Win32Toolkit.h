// Entry point of the Win32 toolkit: the application object of the real program.
#pragma once

#include <memory>

#include "ui/Toolkit.h"

namespace rv17 {

namespace ui::win32 {

// Icon resource of the executable that the main window shows, if it has one.
inline constexpr int kApplicationIconId = 1;

// The first window the application creates is the main window's candidate and
// owns every window created after it, so those stay above it and the modal
// editor can disable it.
std::unique_ptr<ui::Application> CreateWin32Application();

}  // namespace ui::win32

}  // namespace rv17
