// Conversions between the texts of the exchange and settings files and numbers,
// and the handling of Shift-JIS double-byte characters in byte strings.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace rv17 {

// True for a byte that opens a Shift-JIS double-byte character.
constexpr bool IsLeadByte(unsigned char byte) noexcept {
    return (byte >= 0x80 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFD);
}

// Text to a 32-bit integer: leading blanks, an optional sign, then decimal
// digits or up to eight hexadecimal digits after "$", "x", "X", "0x" or "0X".
// The whole text must be used; anything else, or a decimal value outside the
// 32-bit range, gives 0. Eight hexadecimal digits wrap into the signed range.
std::int32_t TextToInteger(std::string_view text) noexcept;

// Text to a real: leading blanks, an optional sign, digits with an optional
// "." fraction and an optional exponent. The separator is always "."; the whole
// text must be used. Anything else, and any value that is not finite, gives 0.
double TextToReal(std::string_view text) noexcept;

// The text without blanks and control characters; double-byte characters stay
// whole, except the full-width blank (0x81 0x40), which is dropped as well.
std::string RemoveBlanks(std::string_view text);

// The longest prefix of at most maxBytes bytes that does not end inside a
// double-byte character. The text is walked from its start in character steps,
// because a trail byte can look like a lead byte.
std::string_view CutToWholeCharacters(std::string_view text, std::size_t maxBytes) noexcept;

}  // namespace rv17
