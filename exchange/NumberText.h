// Number texts of the exchange file: reals with 15 significant digits,
// decimal integers and the one-digit hexadecimal layer numbers, written into a
// caller's buffer so that the hot path allocates nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace rv17 {

// Room that AppendRealText may use: the longest text is "-1.23456789012345E-308",
// but digits are copied in fixed blocks, which may write up to 33 bytes.
inline constexpr std::size_t kMaxRealTextBytes = 40;
// Room that AppendIntegerText and AppendHexText may use ("-2147483648").
inline constexpr std::size_t kMaxIntegerTextBytes = 12;

// Writes the value rounded to 15 significant digits (ties to even) without
// trailing zeros: positional for 1E-4 <= |value| < 1E15 after rounding
// ("0.0001", "1200", "-2.5"), otherwise one digit, the remaining digits and a
// decimal power ("1E-5", "1.5E20"). Zero and negative zero give "0"; non-finite
// values give "INF", "-INF" or "NAN". Returns the end of the text.
char* AppendRealText(char* out, double value) noexcept;

// The four texts separated by single blanks, as a segment's ends are written.
// The same bytes as four calls, faster: the digits of the four values are
// worked out side by side. Needs 4 * kMaxRealTextBytes of room.
char* AppendSeparatedRealTexts(char* out, const double (&values)[4]) noexcept;

// Decimal, "-" for negative values, no leading zeros.
char* AppendIntegerText(char* out, std::int32_t value) noexcept;

// Upper-case hexadecimal without leading zeros: 0..15 give one digit "0".."F".
// Other values, which no layer group or layer can have, are written as the
// hexadecimal of their 32-bit pattern (-1 gives "FFFFFFFF") rather than
// clamped, so that the value the caller gave stays visible in the output.
char* AppendHexText(char* out, std::int32_t value) noexcept;

// The real number text as a string, for code off the hot path.
std::string RealText(double value);

}  // namespace rv17
