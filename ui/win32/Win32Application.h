// The Win32 application: creates dialog windows and runs the message loop that
// gives Tab, Enter, Escape and access keys their dialog meaning.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <string>

#include "ui/Toolkit.h"

namespace rv17 {

namespace ui::win32 {

class Win32Application final : public ui::Application {
public:
    Win32Application();

    void SetTitle(std::string_view title) override { title_ = title; }
    std::unique_ptr<ui::Window> CreateDialogWindow(const ui::WindowDesign& design) override;
    void Run(ui::Window& mainWindow) override;

    // Dispatches messages until `done` holds. A WM_QUIT ends the loop early
    // and is posted again so that an outer loop ends too.
    void PumpMessages(const std::function<bool()>& done);
    // Keeps an exception thrown inside a window procedure until the loop that
    // dispatched the message can rethrow it: none may cross a Win32 callback.
    void KeepError(std::exception_ptr error);

private:
    void RethrowKeptError();

    std::string title_;
    HWND firstWindow_ = nullptr;
    HICON icon_ = nullptr;
    HICON smallIcon_ = nullptr;
    std::exception_ptr keptError_;
};

}  // namespace ui::win32

}  // namespace rv17
