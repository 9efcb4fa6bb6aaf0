// Real number text. The 15 significant digits come, in order of preference,
// from one rounded product in double, from exact integer scaling, or from
// std::to_chars (correctly rounded); all three give the same digits. They are
// then laid out eight bytes at a time in registers.
#include "exchange/NumberText.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>

#include "geometry/TextConversions.h"

namespace rv17 {

namespace {

// A value rounded to 15 significant digits: scaled * 10^(power - 14), with
// 10^14 <= scaled < 10^15.
struct RoundedValue {
    std::uint64_t scaled;
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

// Exact powers of ten in double (every one up to 10^22 is representable).
constexpr double kExactPowersOfTen[21] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,
                                          1e7,  1e8,  1e9,  1e10, 1e11, 1e12, 1e13,
                                          1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20};
// The doubles nearest to 10^-6 ... 10^15: where each decimal power begins.
constexpr double kDecadeStarts[22] = {1e-6, 1e-5, 1e-4, 1e-3, 1e-2, 1e-1, 1e0, 1e1,
                                      1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8, 1e9,
                                      1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
constexpr double kTwoToThe52 = 4503599627370496.0;

// floor(e2 * log10(2)) for a binary power e2 of a normal double: the decimal
// power of a value in [2^e2, 2^(e2+1)) is this or one more.
int DecimalPowerEstimate(int binaryPower) noexcept { return (binaryPower * 78913) >> 18; }

// The common case, 1E-5 <= value < 1E15, with one multiplication in double:
// p = value * 10^(14 - power) lies near [1E14, 1E15), where doubles are spaced
// 1/4 or finer, and is within half a spacing of the exact product. Rounded to
// the nearest integer r, p - r is a multiple of the spacing, so unless it is
// exactly +-1/2 the exact product rounds to r as well. Those ties, and a power
// misjudged at a decade's edge, return false for the exact integer scaling.
bool RoundByProduct(double magnitude, RoundedValue& result) noexcept {
    if (!(magnitude >= 1e-5 && magnitude < 1e15)) return false;
    const int binaryPower = static_cast<int>(std::bit_cast<std::uint64_t>(magnitude) >> 52) - 1023;
    int power = DecimalPowerEstimate(binaryPower);
    if (magnitude >= kDecadeStarts[power + 7]) ++power;
    const double product = magnitude * kExactPowersOfTen[14 - power];
    const double rounded = (product + kTwoToThe52) - kTwoToThe52;  // to nearest, ties to even
    if (std::fabs(product - rounded) == 0.5) return false;
    if (rounded < static_cast<double>(kSmallest15Digits)) return false;
    // Below 2^63, so the signed conversion, the processor's own, is exact.
    auto scaled = static_cast<std::uint64_t>(static_cast<std::int64_t>(rounded));
    if (scaled >= kBeyond15Digits) {
        if (scaled != kBeyond15Digits) return false;
        scaled = kSmallest15Digits;  // 999999999999999.5 and above carry into a new digit
        ++power;
    }
    result = {scaled, power};
    return true;
}

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

// A positive normal value m * 2^k with k <= 0 and 1E-5 <= value < 1E15 is
// scaled by an exact power of ten in integer arithmetic: value * 10^(14 - power)
// = m * 10^(14 - power) / 2^-k, so the rounding to 15 digits is exact.
// False for every other value; the caller then uses std::to_chars.
bool RoundByExactScaling(double magnitude, RoundedValue& result) noexcept {
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const int biasedExponent = static_cast<int>(bits >> 52);
    if (biasedExponent == 0 || biasedExponent == 0x7FF)
        return false;  // subnormal, zero, non-finite
    const std::uint64_t mantissa =
        (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int binaryPower = biasedExponent - 1075;  // magnitude = mantissa * 2^binaryPower
    if (binaryPower > 0) return false;

    int power = DecimalPowerEstimate(biasedExponent - 1023);
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
        result = {scaled, power};
        return true;
    }
    return false;
}

// std::to_chars with 14 digits after the point gives "d.dddddddddddddde+XX",
// correctly rounded with ties to even.
RoundedValue RoundByToChars(double magnitude) noexcept {
    char buffer[40];
    const auto converted =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14);
    buffer[1] = buffer[0];  // the 15 digits without the point
    RoundedValue result{};
    std::from_chars(buffer + 1, buffer + 16, result.scaled);
    const char* exponent = buffer + 17;  // after the 'e'
    std::from_chars(exponent + 1, converted.ptr, result.power);
    if (*exponent == '-') result.power = -result.power;
    return result;
}

// Eight decimal digits of a number below 10^8 as ASCII bytes, the first digit
// in the lowest byte: the number is split into two halves of four digits, each
// half into two pairs and each pair into two digits, all lanes at once, with
// multiplications that divide exactly in their range (x * 10486 >> 20 is x / 100
// below 43,000; x * 103 >> 10 is x / 10 below 170).
std::uint64_t EightDigitBytes(std::uint32_t number) noexcept {
    const std::uint64_t fours = number / 10000 | (std::uint64_t{number % 10000} << 32);
    const std::uint64_t hundreds = ((fours * 10486) >> 20) & 0x0000007F0000007Full;
    const std::uint64_t pairs = hundreds | ((fours - hundreds * 100) << 16);
    const std::uint64_t tens = ((pairs * 103) >> 10) & 0x000F000F000F000Full;
    return tens | ((pairs - tens * 10) << 8) | 0x3030303030303030ull;
}

constexpr std::uint64_t kEightZeros = 0x3030303030303030ull;

// Stores eight bytes, the lowest first.
void StoreBytes(char* at, std::uint64_t bytes) noexcept {
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(at, &bytes, 8);
    } else {
        for (int i = 0; i < 8; ++i) at[i] = static_cast<char>(bytes >> (8 * i));
    }
}

// The 15 digits as bytes: digits 1-8 in `first`, digits 9-15 and a '0' in `second`.
struct DigitBytes {
    std::uint64_t first = 0;
    std::uint64_t second = 0;

    explicit DigitBytes(std::uint64_t scaled) noexcept {
        const std::uint64_t high = EightDigitBytes(static_cast<std::uint32_t>(scaled / 100000000));
        const std::uint64_t low = EightDigitBytes(static_cast<std::uint32_t>(scaled % 100000000));
        first = (high >> 8) | (low << 56);  // high has a leading '0': scaled < 10^15
        second = (low >> 8) | (kEightZeros << 56);
    }

    // The number of digits up to the last one that is not zero.
    int Count() const noexcept {
        const std::uint64_t secondDigits = second ^ kEightZeros;
        if (secondDigits != 0) return 8 + (63 - std::countl_zero(secondDigits)) / 8 + 1;
        return (63 - std::countl_zero(first ^ kEightZeros)) / 8 + 1;
    }

    // Digits from position `from` (1..7) on, as two words.
    void From(int from, std::uint64_t& low, std::uint64_t& high) const noexcept {
        low = (first >> (8 * from)) | (second << (64 - 8 * from));
        high = second >> (8 * from);
    }
};

// Writes digits 1..count with a point after the first `before` of them (none
// when count <= before; zeros then fill up to `before`), returning the end.
// Writes up to 25 bytes whatever the text's length.
char* WriteDigits(char* out, const DigitBytes& digits, int before, int count) noexcept {
    StoreBytes(out, digits.first);
    StoreBytes(out + 8, digits.second);
    if (count <= before) return out + before;
    out[before] = '.';
    std::uint64_t low = 0, high = 0;
    if (before < 8) {
        digits.From(before, low, high);
    } else {
        low = digits.second >> (8 * (before - 8));  // at most seven digits remain
    }
    StoreBytes(out + before + 1, low);
    StoreBytes(out + before + 9, high);
    return out + count + 1;
}

char* AppendText(char* out, const char* text, std::size_t size) noexcept {
    std::memcpy(out, text, size);
    return out + size;
}

// A value ready to be laid out: everything that does not depend on where its
// text goes, so that the digits of several values can be worked out side by side.
struct PreparedReal {
    enum class Kind : std::uint8_t { Digits, Zero, NotANumber, Infinite };
    Kind kind = Kind::Zero;
    bool negative = false;
    int count = 0;
    int power = 0;
    DigitBytes digits{0};
};

PreparedReal Prepare(double value) noexcept {
    PreparedReal prepared;
    if (std::isnan(value)) {
        prepared.kind = PreparedReal::Kind::NotANumber;
        return prepared;
    }
    if (value == 0.0) return prepared;
    prepared.negative = std::signbit(value);
    const double magnitude = std::fabs(value);
    if (std::isinf(magnitude)) {
        prepared.kind = PreparedReal::Kind::Infinite;
        return prepared;
    }
    RoundedValue rounded{};
    if (!RoundByProduct(magnitude, rounded) && !RoundByExactScaling(magnitude, rounded))
        rounded = RoundByToChars(magnitude);
    prepared.kind = PreparedReal::Kind::Digits;
    prepared.digits = DigitBytes(rounded.scaled);
    prepared.count = prepared.digits.Count();
    prepared.power = rounded.power;
    return prepared;
}

char* Write(char* out, const PreparedReal& prepared) noexcept {
    switch (prepared.kind) {
        case PreparedReal::Kind::NotANumber:
            return AppendText(out, "NAN", 3);
        case PreparedReal::Kind::Zero:
            *out = '0';
            return out + 1;
        case PreparedReal::Kind::Infinite:
            break;
        case PreparedReal::Kind::Digits:
            break;
    }
    if (prepared.negative) *out++ = '-';
    if (prepared.kind == PreparedReal::Kind::Infinite) return AppendText(out, "INF", 3);
    const DigitBytes& digits = prepared.digits;
    const int count = prepared.count;
    const int power = prepared.power;
    if (power >= 0 && power <= 14) return WriteDigits(out, digits, power + 1, count);
    if (power >= -4 && power < 0) {
        std::memcpy(out, "0.000000", 8);
        return WriteDigits(out + 1 - power, digits, 15, count) - (15 - count);
    }
    out = WriteDigits(out, digits, 1, count);
    *out++ = 'E';
    return AppendIntegerText(out, power);
}

}  // namespace

char* AppendRealText(char* out, double value) noexcept { return Write(out, Prepare(value)); }

char* AppendSeparatedRealTexts(char* out, const double (&values)[4]) noexcept {
    const PreparedReal prepared[4] = {Prepare(values[0]), Prepare(values[1]), Prepare(values[2]),
                                      Prepare(values[3])};
    out = Write(out, prepared[0]);
    for (int i = 1; i < 4; ++i) {
        *out++ = ' ';
        out = Write(out, prepared[i]);
    }
    return out;
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
