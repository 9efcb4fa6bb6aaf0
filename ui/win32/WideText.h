// Conversion between the program's Shift-JIS bytes and the UTF-16 text of
// Win32 controls, always with code page 932 whatever the system's code page.
#pragma once

#include <string>
#include <string_view>

namespace rv17 {

namespace ui::win32 {

// Invalid byte sequences become the code page's default character.
std::wstring ShiftJisToWide(std::string_view shiftJis);
// Characters without a Shift-JIS form become "?".
std::string WideToShiftJis(std::wstring_view wide);

}  // namespace ui::win32

}  // namespace rv17
