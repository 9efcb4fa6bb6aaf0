// Shift-JIS conversion through iconv's "CP932" (the Windows code page 932 variant).
#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

#include "ui/ShiftJis.h"

namespace rv17 {

namespace {

// Length of the UTF-8 sequence that starts with this byte (1 for a stray byte).
std::size_t Utf8SequenceLength(unsigned char lead) {
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

// Converts with iconv; a character it cannot convert is replaced and skipped.
template <class SkipLength>
std::string Convert(const char* to, const char* from, std::string_view input,
                    std::string_view replacement, SkipLength skipLength) {
    iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error("iconv has no CP932 conversion");
    }
    std::string output;
    output.reserve(input.size() * 2);
    char buffer[1024];
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    while (inLeft > 0) {
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
        output.append(buffer, static_cast<std::size_t>(out - buffer));
        if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
            output.append(replacement);
            const std::size_t skip = std::min(inLeft, skipLength(static_cast<unsigned char>(*in)));
            in += skip;
            inLeft -= skip;
            iconv(converter, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(converter);
    return output;
}

}  // namespace

std::string Utf8ToShiftJis(std::string_view utf8) {
    return Convert("CP932", "UTF-8", utf8, "?", Utf8SequenceLength);
}

std::string ShiftJisToUtf8(std::string_view shiftJis) {
    // A bad lead byte is replaced alone, so the byte after it gets its own chance.
    return Convert("UTF-8", "CP932", shiftJis, "\xEF\xBF\xBD",
                   [](unsigned char) { return std::size_t{1}; });
}

}  // namespace rv17
