// Conversions between the texts of the exchange and settings files and numbers,
// and the handling of Shift-JIS double-byte characters in byte strings.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace rv17 {

// True for a lead byte of code page 932 (0x81-0x9F, 0xE0-0xFC). Only the
// conversion to UTF-8 uses it: it hands the code page one character at a
// time, divided as the code page divides them (0x80 is a character of its own
// there, so "0x80 0x82 0xA0" must go as 0x80 and then "あ").
constexpr bool IsCodePageLeadByte(unsigned char byte) noexcept {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// True for a byte that opens a double-byte character wherever the program
// walks Shift-JIS bytes itself: cutting exchange-file lines into fields,
// RemoveBlanks, the 255-byte cuts of texts and output lines, letter case.
// The range is wider than the code page's by 0x80 and 0xFD, and what is read
// and written back depends on that: the byte after either one never separates
// fields or opens a quotation, either one as the last byte of a line is
// dropped, a 255-byte cut never ends right after either one, and a blank after
// either one survives RemoveBlanks. Narrowing it would change those bytes.
constexpr bool IsLeadByte(unsigned char byte) noexcept {
    return IsCodePageLeadByte(byte) || byte == 0x80 || byte == 0xFD;
}

// The value of one hexadecimal digit of either letter case; -1 for any other character.
constexpr int HexDigitValue(char c) noexcept {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The letters a to z in upper case; every other byte as it is.
constexpr char UpperCaseAscii(char byte) noexcept {
    return byte >= 'a' && byte <= 'z' ? static_cast<char>(byte - 'a' + 'A') : byte;
}

// Text to a 32-bit integer: leading blanks, an optional sign, then decimal
// digits or up to eight hexadecimal digits after "$", "x", "X", "0x" or "0X".
// The whole text must be used; anything else, or a decimal value outside the
// 32-bit range, gives 0. Eight hexadecimal digits wrap into the signed range.
std::int32_t TextToInteger(std::string_view text) noexcept;

// Whether text is a decimal integer (leading blanks, an optional sign, digits)
// whose value lies outside the 32-bit range, which TextToInteger turns into 0.
bool DecimalTextOverflows(std::string_view text) noexcept;

// Text to a real: leading blanks, an optional sign, digits with an optional
// "." fraction and an optional exponent. The separator is always "."; the whole
// text must be used. Anything else, and any value that is not finite, gives 0.
double TextToReal(std::string_view text) noexcept;

// The text without blanks and control characters; double-byte characters stay
// whole, except the full-width blank (0x81 0x40), which is dropped as well.
std::string RemoveBlanks(std::string_view text);

// The text with its single-byte letters a to z in upper case. Double-byte
// characters stay as they are: a second byte may look like a small letter
// ("ヂ" is 0x83 0x61) and must not turn into another character ("ア", 0x83 0x41).
std::string UpperCaseAscii(std::string_view text);

// The longest prefix of at most maxBytes bytes that does not end inside a
// double-byte character. The text is walked from its start in character steps,
// because a trail byte can look like a lead byte.
std::string_view CutToWholeCharacters(std::string_view text, std::size_t maxBytes) noexcept;

}  // namespace rv17
