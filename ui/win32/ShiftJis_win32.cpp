// Shift-JIS conversion with code page 932, whatever the system's own code page.
// Characters are converted one at a time so that a bad one is replaced alone,
// the same way on every Windows version (and under Wine).
#include <windows.h>

#include "ui/ShiftJis.h"

#include "geometry/TextConversions.h"

namespace rv17 {

namespace {

constexpr UINT kShiftJisCodePage = 932;

std::wstring Utf8ToWide(std::string_view text) {
    if (text.empty()) return {};
    const int length =
        ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                          length);
    return wide;
}

void AppendUtf8(std::string& output, const wchar_t* wide, int length) {
    char buffer[16];
    const int bytes =
        ::WideCharToMultiByte(CP_UTF8, 0, wide, length, buffer, sizeof buffer, nullptr, nullptr);
    output.append(buffer, static_cast<std::size_t>(bytes));
}

}  // namespace

std::string Utf8ToShiftJis(std::string_view utf8) {
    const std::wstring wide = Utf8ToWide(utf8);
    std::string output;
    output.reserve(wide.size() * 2);
    for (std::size_t i = 0; i < wide.size();) {
        const bool pair =
            i + 1 < wide.size() && IS_HIGH_SURROGATE(wide[i]) && IS_LOW_SURROGATE(wide[i + 1]);
        const int units = pair ? 2 : 1;
        char buffer[8];
        BOOL usedDefault = FALSE;
        const int bytes =
            ::WideCharToMultiByte(kShiftJisCodePage, WC_NO_BEST_FIT_CHARS, wide.data() + i, units,
                                  buffer, sizeof buffer, nullptr, &usedDefault);
        if (bytes <= 0 || usedDefault) {
            output += '?';
        } else {
            output.append(buffer, static_cast<std::size_t>(bytes));
        }
        i += static_cast<std::size_t>(units);
    }
    return output;
}

std::string ShiftJisToUtf8(std::string_view shiftJis) {
    std::string output;
    output.reserve(shiftJis.size() * 2);
    for (std::size_t i = 0; i < shiftJis.size();) {
        const bool twoBytes =
            IsCodePageLeadByte(static_cast<unsigned char>(shiftJis[i])) && i + 1 < shiftJis.size();
        const int length = twoBytes ? 2 : 1;
        wchar_t wide[2];
        const int units = ::MultiByteToWideChar(kShiftJisCodePage, MB_ERR_INVALID_CHARS,
                                                shiftJis.data() + i, length, wide, 2);
        if (units > 0) {
            AppendUtf8(output, wide, units);
            i += static_cast<std::size_t>(length);
        } else {
            output += "\xEF\xBF\xBD";
            i += 1;
        }
    }
    return output;
}

}  // namespace rv17
