// Real number text: exact integer scaling for the common magnitudes, and
// std::to_chars (correctly rounded) for the rest; both give the same 15 digits.
#include "exchange/NumberText.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>

#include "geometry/TextConversions.h"

namespace rv17 {

namespace {

// The 15 significant digits of a rounded value d1.d2...d15 times ten to the power `power`.
struct SignificantDigits {
    char digits[15];
    int power;
};

constexpr std::uint64_t kPowersOfTen[20] = {
    1ull,
    10ull,
    100ull,
    1000ull,
    10000ull,
    100000ull,
    1000000ull,
    10000000ull,
    100000000ull,
    1000000000ull,
    10000000000ull,
    100000000000ull,
    1000000000000ull,
    10000000000000ull,
    100000000000000ull,
    1000000000000000ull,
    10000000000000000ull,
    100000000000000000ull,
    1000000000000000000ull,
    10000000000000000000ull,
};
constexpr std::uint64_t kSmallest15Digits = kPowersOfTen[14];
constexpr std::uint64_t kBeyond15Digits = kPowersOfTen[15];

struct Wide {
    std::uint64_t high;
    std::uint64_t low;
};

// The full 128-bit product, from 32-bit halves so that it needs no compiler extension.
Wide MultiplyWide(std::uint64_t a, std::uint64_t b) noexcept {
    const std::uint64_t aLow = a & 0xFFFFFFFFu, aHigh = a >> 32;
    const std::uint64_t bLow = b & 0xFFFFFFFFu, bHigh = b >> 32;
    const std::uint64_t lowLow = aLow * bLow;
    const std::uint64_t lowHigh = aLow * bHigh;
    const std::uint64_t highLow = aHigh * bLow;
    const std::uint64_t middle = (lowLow >> 32) + (lowHigh & 0xFFFFFFFFu) + (highLow & 0xFFFFFFFFu);
    return Wide{aHigh * bHigh + (lowHigh >> 32) + (highLow >> 32) + (middle >> 32),
                (middle << 32) | (lowLow & 0xFFFFFFFFu)};
}

// floor(value / 2^shift) for shift 0..127, and how the dropped remainder
// compares with one half: -1 below, 0 exactly half, +1 above. False when the
// quotient does not fit in 64 bits.
bool ShiftRightWithRemainder(Wide value, int shift, std::uint64_t& quotient,
                             int& remainderVsHalf) noexcept {
    if (shift == 0) {
        if (value.high != 0) return false;
        quotient = value.low;
        remainderVsHalf = -1;
        return true;
    }
    std::uint64_t remainderHigh = 0, remainderLow = 0, halfHigh = 0, halfLow = 0;
    if (shift < 64) {
        if ((value.high >> shift) != 0) return false;
        quotient = (value.high << (64 - shift)) | (value.low >> shift);
        remainderLow = value.low & ((std::uint64_t{1} << shift) - 1);
        halfLow = std::uint64_t{1} << (shift - 1);
    } else if (shift == 64) {
        quotient = value.high;
        remainderLow = value.low;
        halfLow = std::uint64_t{1} << 63;
    } else {
        quotient = value.high >> (shift - 64);
        remainderHigh = value.high & ((std::uint64_t{1} << (shift - 64)) - 1);
        remainderLow = value.low;
        halfHigh = std::uint64_t{1} << (shift - 65);
    }
    if (remainderHigh != halfHigh) {
        remainderVsHalf = remainderHigh < halfHigh ? -1 : 1;
    } else if (remainderLow != halfLow) {
        remainderVsHalf = remainderLow < halfLow ? -1 : 1;
    } else {
        remainderVsHalf = 0;
    }
    return true;
}

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Four digits of a number below 10000, as two pairs.
void WriteFourDigits(std::uint32_t number, char* digits) noexcept {
    std::memcpy(digits, kDigitPairs + 2 * (number / 100), 2);
    std::memcpy(digits + 2, kDigitPairs + 2 * (number % 100), 2);
}

// The number (below 10^15) split into independent parts, so that the digits
// come from short chains of divisions rather than one chain of fifteen.
void WriteFifteenDigits(std::uint64_t number, char* digits) noexcept {
    const auto high = static_cast<std::uint32_t>(number / 100000000);  // 7 digits
    const auto low = static_cast<std::uint32_t>(number % 100000000);   // 8 digits
    digits[0] = static_cast<char>('0' + high / 1000000);
    const std::uint32_t highRest = high % 1000000;
    std::memcpy(digits + 1, kDigitPairs + 2 * (highRest / 10000), 2);
    WriteFourDigits(highRest % 10000, digits + 3);
    WriteFourDigits(low / 10000, digits + 7);
    WriteFourDigits(low % 10000, digits + 11);
}

// A positive normal value m * 2^k with k <= 0 and 1E-5 <= value < 1E15 is
// scaled by an exact power of ten in integer arithmetic: value * 10^(14 - power)
// = m * 10^(14 - power) / 2^-k, so the rounding to 15 digits is exact.
// False for every other value; the caller then uses std::to_chars.
bool ScaleExactly(double magnitude, SignificantDigits& result) noexcept {
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const int biasedExponent = static_cast<int>(bits >> 52);
    if (biasedExponent == 0 || biasedExponent == 0x7FF)
        return false;  // subnormal, zero, non-finite
    const std::uint64_t mantissa =
        (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int binaryPower = biasedExponent - 1075;  // magnitude = mantissa * 2^binaryPower
    if (binaryPower > 0) return false;

    // floor(e2 * log10(2)) for the leading binary power e2; the decimal power
    // of the value is this or one more.
    const int leadingBinaryPower = biasedExponent - 1023;
    int power = (leadingBinaryPower * 78913) >> 18;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int scale = 14 - power;
        if (scale < 0 || scale > 19) return false;
        std::uint64_t scaled = 0;
        int remainderVsHalf = 0;
        if (!ShiftRightWithRemainder(MultiplyWide(mantissa, kPowersOfTen[scale]), -binaryPower,
                                     scaled, remainderVsHalf)) {
            return false;
        }
        if (scaled >= kBeyond15Digits) {
            ++power;
            continue;
        }
        if (scaled < kSmallest15Digits) {
            --power;
            continue;
        }
        if (remainderVsHalf > 0 || (remainderVsHalf == 0 && (scaled & 1) != 0)) ++scaled;
        if (scaled == kBeyond15Digits) {  // 999999999999999.5 and the like carry into a new digit
            scaled = kSmallest15Digits;
            ++power;
        }
        WriteFifteenDigits(scaled, result.digits);
        result.power = power;
        return true;
    }
    return false;
}

// std::to_chars with 14 digits after the point gives "d.dddddddddddddde+XX",
// correctly rounded with ties to even.
SignificantDigits DigitsFromToChars(double magnitude) noexcept {
    char buffer[40];
    const auto converted =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14);
    SignificantDigits result{};
    result.digits[0] = buffer[0];
    std::memcpy(result.digits + 1, buffer + 2, 14);
    const char* exponent = buffer + 17;  // after the 'e'
    const bool negativePower = *exponent == '-';
    int power = 0;
    std::from_chars(exponent + 1, converted.ptr, power);
    result.power = negativePower ? -power : power;
    return result;
}

char* AppendText(char* out, const char* text, std::size_t size) noexcept {
    std::memcpy(out, text, size);
    return out + size;
}

}  // namespace

char* AppendRealText(char* out, double value) noexcept {
    if (std::isnan(value)) return AppendText(out, "NAN", 3);
    if (value == 0.0) {
        *out = '0';
        return out + 1;
    }
    if (std::signbit(value)) *out++ = '-';
    const double magnitude = std::fabs(value);
    if (std::isinf(magnitude)) return AppendText(out, "INF", 3);

    SignificantDigits rounded;
    if (!ScaleExactly(magnitude, rounded)) rounded = DigitsFromToChars(magnitude);
    int digitCount = 15;
    while (digitCount > 1 && rounded.digits[digitCount - 1] == '0') --digitCount;
    const int power = rounded.power;

    if (power >= -4 && power <= 14) {
        if (power < 0) {
            *out++ = '0';
            *out++ = '.';
            for (int i = -1; i > power; --i) *out++ = '0';
            return AppendText(out, rounded.digits, static_cast<std::size_t>(digitCount));
        }
        const int integerDigits = power + 1;
        if (digitCount <= integerDigits) {
            out = AppendText(out, rounded.digits, static_cast<std::size_t>(digitCount));
            for (int i = digitCount; i < integerDigits; ++i) *out++ = '0';
            return out;
        }
        out = AppendText(out, rounded.digits, static_cast<std::size_t>(integerDigits));
        *out++ = '.';
        return AppendText(out, rounded.digits + integerDigits,
                          static_cast<std::size_t>(digitCount - integerDigits));
    }

    *out++ = rounded.digits[0];
    if (digitCount > 1) {
        *out++ = '.';
        out = AppendText(out, rounded.digits + 1, static_cast<std::size_t>(digitCount - 1));
    }
    *out++ = 'E';
    return AppendIntegerText(out, power);
}

char* AppendIntegerText(char* out, std::int32_t value) noexcept {
    return std::to_chars(out, out + kMaxIntegerTextBytes, value).ptr;
}

char* AppendHexText(char* out, std::int32_t value) noexcept {
    char* end =
        std::to_chars(out, out + kMaxIntegerTextBytes, static_cast<std::uint32_t>(value), 16).ptr;
    for (char* c = out; c != end; ++c) *c = UpperCaseAscii(*c);
    return end;
}

std::string RealText(double value) {
    char buffer[kMaxRealTextBytes];
    return std::string(buffer, AppendRealText(buffer, value));
}

}  // namespace rv17
