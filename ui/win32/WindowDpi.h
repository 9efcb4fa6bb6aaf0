// The display density a window is shown at, and the newer DPI functions the
// dialogs use. Those are looked up at run time, never imported, so that the
// program still starts on Windows versions that lack them.
#pragma once

#include <windows.h>

namespace rv17 {

namespace ui::win32 {

// The dots per inch of the monitor `window` stands on, as this process sees
// them: the window's own value where Windows keeps one per window (10), the
// monitor's where it keeps one per monitor (8.1), the system's otherwise.
int WindowDpi(HWND window);

// The outer size of a window of `window`'s styles whose client area is
// `clientWidth` x `clientHeight` at `dpi`, caption and frame measured at that
// dpi. False where the system cannot measure a frame at another dpi.
bool OuterSizeAtDpi(HWND window, int clientWidth, int clientHeight, int dpi, SIZE& size);

// Turns off the dialog manager's own rescaling of `dialog` when its dpi
// changes, where the system has it: the window lays itself out instead, from
// its design, so nothing is scaled twice.
void LeaveDpiChangesToWindow(HWND dialog);

}  // namespace ui::win32

}  // namespace rv17
