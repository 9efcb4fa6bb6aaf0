// Locale-independent text-to-number conversions and Shift-JIS byte walks.
#include "geometry/TextConversions.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace rv17 {

namespace {

constexpr bool IsDigit(char c) noexcept { return c >= '0' && c <= '9'; }

std::string_view SkipLeadingBlanks(std::string_view text) noexcept {
    std::size_t start = 0;
    while (start < text.size() && text[start] == ' ') ++start;
    return text.substr(start);
}

// Eight hexadecimal digits at most; the 32-bit pattern wraps into the signed range.
std::int32_t HexToInteger(std::string_view digits, bool negative) noexcept {
    if (digits.empty() || digits.size() > 8) return 0;
    std::uint32_t value = 0;
    for (char c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0) return 0;
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    if (negative) value = 0u - value;
    return static_cast<std::int32_t>(value);
}

}  // namespace

std::int32_t TextToInteger(std::string_view text) noexcept {
    text = SkipLeadingBlanks(text);
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return 0;
    if (text[0] == '$' || text[0] == 'x' || text[0] == 'X') {
        return HexToInteger(text.substr(1), negative);
    }
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        return HexToInteger(text.substr(2), negative);
    }
    std::int64_t value = 0;
    for (char c : text) {
        if (!IsDigit(c)) return 0;
        value = value * 10 + (c - '0');
        if (value > std::int64_t{1} << 31) return 0;  // beyond even -2147483648
    }
    if (negative) value = -value;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        return 0;
    }
    return static_cast<std::int32_t>(value);
}

bool DecimalTextOverflows(std::string_view text) noexcept {
    text = SkipLeadingBlanks(text);
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) text.remove_prefix(1);
    if (text.empty()) return false;
    std::int64_t value = 0;
    bool beyond = false;
    for (char c : text) {
        if (!IsDigit(c)) return false;
        if (!beyond) value = value * 10 + (c - '0');
        beyond = beyond || value > (std::int64_t{1} << 31);
    }
    const std::int64_t limit = negative ? (std::int64_t{1} << 31) : (std::int64_t{1} << 31) - 1;
    return beyond || value > limit;
}

double TextToReal(std::string_view text) noexcept {
    text = SkipLeadingBlanks(text);
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
    const std::size_t numberStart = pos;
    std::size_t digits = 0;
    while (pos < text.size() && IsDigit(text[pos])) ++pos, ++digits;
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (pos < text.size() && IsDigit(text[pos])) ++pos, ++digits;
    }
    if (digits == 0) return 0.0;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
        const std::size_t exponentStart = pos;
        while (pos < text.size() && IsDigit(text[pos])) ++pos;
        if (pos == exponentStart) return 0.0;
    }
    if (pos != text.size()) return 0.0;

    // from_chars takes no leading '+'; the syntax has been checked above.
    double value = 0.0;
    const char* first = text.data() + numberStart;
    const auto [end, error] = std::from_chars(first, text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value)) {
        return 0.0;
    }
    return (numberStart > 0 && text[0] == '-') ? -value : value;
}

std::string RemoveBlanks(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (IsLeadByte(byte)) {
            if (i + 1 < text.size()) {
                const auto trail = static_cast<unsigned char>(text[i + 1]);
                if (!(byte == 0x81 && trail == 0x40)) {
                    result += text[i];
                    result += text[i + 1];
                }
                ++i;
            } else {
                result += text[i];
            }
        } else if (byte > 0x20) {
            result += text[i];
        }
    }
    return result;
}

std::string UpperCaseAscii(std::string_view text) {
    std::string result(text);
    for (std::size_t i = 0; i < result.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(result[i]))) {
            ++i;
        } else {
            result[i] = UpperCaseAscii(result[i]);
        }
    }
    return result;
}

std::string_view CutToWholeCharacters(std::string_view text, std::size_t maxBytes) noexcept {
    if (text.size() <= maxBytes) return text;
    std::size_t pos = 0;
    while (pos < maxBytes) {
        const std::size_t step = IsLeadByte(static_cast<unsigned char>(text[pos])) ? 2 : 1;
        if (pos + step > maxBytes) break;
        pos += step;
    }
    return text.substr(0, pos);
}

}  // namespace rv17
