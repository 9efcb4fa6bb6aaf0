// The Windows program's entry: finds the executable's own path and runs the
// application on real Win32 windows until the main dialog has closed.
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <new>
#include <string>
#include <string_view>

#include "app/ApplicationStart.h"
#include "ui/InterfaceTexts.h"
#include "ui/win32/Win32Toolkit.h"

namespace rv17 {

namespace {

// Longest path Windows can hand back, in UTF-16 units.
constexpr std::size_t kLongestPath = 32768;

// The executable's full path. The buffer grows until the path fits, so long
// paths and folders with Japanese names come back whole.
std::filesystem::path ExecutablePath() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) {
            buffer.resize(length);
            return std::filesystem::path(buffer);
        }
        if (buffer.size() >= kLongestPath) return {};
        buffer.resize(std::min(buffer.size() * 2, kLongestPath));
    }
}

// Tells the user why the program ends, in a message box of its own (the
// dialog may be gone by then). Allocates nothing that could fail again.
void TellEnded(std::string_view utf8Text) noexcept {
    wchar_t text[256] = {};
    wchar_t caption[64] = {};
    const auto widen = [](std::string_view from, wchar_t* into, int room) {
        ::MultiByteToWideChar(CP_UTF8, 0, from.data(), static_cast<int>(from.size()), into,
                              room - 1);
    };
    widen(utf8Text, text, 256);
    widen(texts::kMainCaption, caption, 64);
    ::MessageBoxW(nullptr, text, caption, MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

}  // namespace

}  // namespace rv17

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // Nothing may escape into the system. The exchange file is only ever
    // replaced whole, so a failure leaves the host's file as it was; the user
    // is told why the program ended.
    try {
        const std::filesystem::path executable = rv17::ExecutablePath();
        if (executable.empty()) return 1;
        const std::unique_ptr<rv17::ui::Application> application =
            rv17::ui::win32::CreateWin32Application();
        rv17::RunApplication(*application, executable);
        return 0;
    } catch (const std::bad_alloc&) {
        rv17::TellEnded(rv17::texts::kEndedOutOfMemory);
        return 1;
    } catch (...) {
        rv17::TellEnded(rv17::texts::kEndedUnexpectedly);
        return 1;
    }
}
