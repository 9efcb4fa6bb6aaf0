// The application object and its message loop. Messages for a dialog pass
// through IsDialogMessageW first, which turns Tab, Enter, Escape and the
// access keys into focus moves and button presses.
#include "ui/win32/Win32Application.h"

#include <commctrl.h>

#include "ui/win32/Win32Canvas.h"
#include "ui/win32/Win32Toolkit.h"
#include "ui/win32/Win32Window.h"

namespace rv17 {

namespace ui::win32 {

namespace {

bool IsDialog(HWND window) {
    wchar_t className[16] = {};
    return ::GetClassNameW(window, className, 16) > 0 && std::wstring_view(className) == L"#32770";
}

HICON LoadApplicationIcon(int size) {
    return static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr),
                                           MAKEINTRESOURCEW(kApplicationIconId), IMAGE_ICON, size,
                                           size, LR_DEFAULTCOLOR | LR_SHARED));
}

}  // namespace

Win32Application::Win32Application() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES;
    ::InitCommonControlsEx(&controls);
    icon_ = LoadApplicationIcon(::GetSystemMetrics(SM_CXICON));
    smallIcon_ = LoadApplicationIcon(::GetSystemMetrics(SM_CXSMICON));
}

std::unique_ptr<ui::Window> Win32Application::CreateDialogWindow(const ui::WindowDesign& design) {
    ui::WindowDesign withCaption = design;
    // The taskbar shows the main window itself; a window without a caption of
    // its own is named after the application.
    if (withCaption.caption.empty()) withCaption.caption = title_;
    const bool first = firstWindow_ == nullptr || !::IsWindow(firstWindow_);
    auto window =
        std::make_unique<Win32Window>(*this, withCaption, first ? nullptr : firstWindow_,
                                      first ? icon_ : nullptr, first ? smallIcon_ : nullptr);
    if (first) firstWindow_ = window->Handle();
    return window;
}

void Win32Application::Run(ui::Window& mainWindow) {
    auto& window = dynamic_cast<Win32Window&>(mainWindow);
    window.MakeMainWindow();
    window.Show();
    RethrowKeptError();
    PumpMessages([&window] { return !window.IsOpen(); });
}

void Win32Application::PumpMessages(const std::function<bool()>& done) {
    MSG message{};
    while (!done()) {
        const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            ::PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (got < 0) return;
        // The wheel goes to the window with the focus; over a canvas, the canvas takes it.
        if (message.message == WM_MOUSEWHEEL) {
            HWND under = ::WindowFromPoint(message.pt);
            if (IsCanvasWindow(under)) message.hwnd = under;
        }
        HWND root = message.hwnd ? ::GetAncestor(message.hwnd, GA_ROOT) : nullptr;
        if (!(root && IsDialog(root) && ::IsDialogMessageW(root, &message))) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        RethrowKeptError();
    }
}

void Win32Application::KeepError(std::exception_ptr error) {
    if (!keptError_) keptError_ = std::move(error);
}

void Win32Application::RethrowKeptError() {
    if (!keptError_) return;
    std::exception_ptr error = std::move(keptError_);
    keptError_ = nullptr;
    std::rethrow_exception(error);
}

std::unique_ptr<ui::Application> CreateWin32Application() {
    return std::make_unique<Win32Application>();
}

}  // namespace ui::win32

}  // namespace rv17
