// Shift-JIS <-> UTF-16 for control texts, with code page 932 named explicitly
// so a dialog reads the same on a Western system as on a Japanese one.
#include "ui/win32/WideText.h"

#include <windows.h>

namespace rv17 {

namespace ui::win32 {

namespace {
constexpr UINT kShiftJisCodePage = 932;
}

std::wstring ShiftJisToWide(std::string_view shiftJis) {
    if (shiftJis.empty()) return {};
    const int size = static_cast<int>(shiftJis.size());
    const int length =
        ::MultiByteToWideChar(kShiftJisCodePage, 0, shiftJis.data(), size, nullptr, 0);
    if (length <= 0) return {};
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(kShiftJisCodePage, 0, shiftJis.data(), size, wide.data(), length);
    return wide;
}

std::string WideToShiftJis(std::wstring_view wide) {
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    const int length = ::WideCharToMultiByte(kShiftJisCodePage, WC_NO_BEST_FIT_CHARS, wide.data(),
                                             size, nullptr, 0, "?", nullptr);
    if (length <= 0) return {};
    std::string bytes(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(kShiftJisCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), size, bytes.data(),
                          length, "?", nullptr);
    return bytes;
}

}  // namespace ui::win32

}  // namespace rv17
