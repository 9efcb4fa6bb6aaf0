// DPI queries through GetProcAddress: each newer function is used where the
// running Windows has it, and the program falls back to older means where not.
#include "ui/win32/WindowDpi.h"

#include <shellscalingapi.h>

namespace rv17 {

namespace ui::win32 {

namespace {

// The exported function `name` of an already loaded module, or null.
template <class Function>
Function Lookup(HMODULE module, const char* name) {
    if (!module) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(::GetProcAddress(module, name)));
}

template <class Function>
Function User32Function(const char* name) {
    return Lookup<Function>(::GetModuleHandleW(L"user32.dll"), name);
}

// shcore.dll exists from Windows 8.1 on; it is loaded from the system folder
// only, once, and stays loaded for the rest of the run.
decltype(&::GetDpiForMonitor) MonitorDpiFunction() {
    static const auto function = Lookup<decltype(&::GetDpiForMonitor)>(
        ::LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32), "GetDpiForMonitor");
    return function;
}

int SystemDpi() {
    HDC screen = ::GetDC(nullptr);
    if (!screen) return USER_DEFAULT_SCREEN_DPI;
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

}  // namespace

int WindowDpi(HWND window) {
    static const auto windowDpi = User32Function<decltype(&::GetDpiForWindow)>("GetDpiForWindow");
    if (windowDpi) {
        const UINT dpi = windowDpi(window);
        if (dpi > 0) return static_cast<int>(dpi);
    }
    if (const auto monitorDpi = MonitorDpiFunction()) {
        UINT dpiX = 0;
        UINT dpiY = 0;
        HMONITOR monitor = ::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
        if (SUCCEEDED(monitorDpi(monitor, MDT_EFFECTIVE_DPI, &dpiX, &dpiY)) && dpiY > 0)
            return static_cast<int>(dpiY);
    }
    return SystemDpi();
}

bool OuterSizeAtDpi(HWND window, int clientWidth, int clientHeight, int dpi, SIZE& size) {
    static const auto adjust =
        User32Function<decltype(&::AdjustWindowRectExForDpi)>("AdjustWindowRectExForDpi");
    if (!adjust) return false;
    RECT rect{0, 0, clientWidth, clientHeight};
    const auto style = static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_EXSTYLE));
    if (!adjust(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi))) return false;
    size = {rect.right - rect.left, rect.bottom - rect.top};
    return true;
}

void LeaveDpiChangesToWindow(HWND dialog) {
    static const auto setBehaviour =
        User32Function<decltype(&::SetDialogDpiChangeBehavior)>("SetDialogDpiChangeBehavior");
    if (setBehaviour) setBehaviour(dialog, DDC_DISABLE_ALL, DDC_DISABLE_ALL);
}

}  // namespace ui::win32

}  // namespace rv17
