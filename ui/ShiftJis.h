// Conversion between UTF-8 (fixed interface texts, pictures) and the Shift-JIS
// bytes the program holds. Code page 932 on Windows, iconv "CP932" elsewhere.
#pragma once

#include <string>
#include <string_view>

namespace rv17 {

// Characters without a Shift-JIS form become "?".
std::string Utf8ToShiftJis(std::string_view utf8);
// An invalid byte sequence becomes U+FFFD.
std::string ShiftJisToUtf8(std::string_view shiftJis);

}  // namespace rv17
