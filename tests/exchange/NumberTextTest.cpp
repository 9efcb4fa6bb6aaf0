// Real, integer and hexadecimal number texts of the exchange file.
#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "exchange/NumberText.h"

namespace rv17 {

namespace {

struct RealCase {
    double value;
    const char* text;
};

void PrintTo(const RealCase& c, std::ostream* out) { *out << c.text; }

class RealTextTable : public ::testing::TestWithParam<RealCase> {};

TEST_P(RealTextTable, WritesExactText) {
    const RealCase& c = GetParam();
    EXPECT_EQ(RealText(c.value), c.text) << "value " << std::hexfloat << c.value;
}

constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Basics, RealTextTable,
    ::testing::Values(RealCase{0.3, "0.3"}, RealCase{100.0, "100"}, RealCase{-2.5, "-2.5"},
                      RealCase{1.0 / 3.0, "0.333333333333333"}, RealCase{0.0001, "0.0001"},
                      RealCase{0.00001, "1E-5"}, RealCase{2e16, "2E16"}, RealCase{-0.0, "0"},
                      RealCase{0.0, "0"}, RealCase{0.5, "0.5"}, RealCase{1200.0, "1200"},
                      RealCase{1.5e20, "1.5E20"}, RealCase{kInf, "INF"}, RealCase{-kInf, "-INF"},
                      RealCase{std::numeric_limits<double>::quiet_NaN(), "NAN"},
                      RealCase{-std::numeric_limits<double>::quiet_NaN(), "NAN"}));

INSTANTIATE_TEST_SUITE_P(
    RoundingAndBoundaries, RealTextTable,
    ::testing::Values(
        RealCase{0.1 + 0.2, "0.3"},  // 0.30000000000000004 rounds to 15 digits
        RealCase{2.0 / 3.0, "0.666666666666667"}, RealCase{-2.0 / 3.0, "-0.666666666666667"},
        RealCase{123.456789012345, "123.456789012345"},
        RealCase{123.4567890123456, "123.456789012346"},
        RealCase{999999999999999.0, "999999999999999"},  // the largest positional value
        RealCase{999999999999999.5, "1E15"},             // rounds up into the exponent form
        RealCase{999999999999999.4, "999999999999999"},  // just below the carry
        RealCase{1e15, "1E15"}, RealCase{1e16, "1E16"},
        RealCase{1234567890123456.0, "1.23456789012346E15"},
        RealCase{123456789012345.0, "123456789012345"},
        RealCase{100000000000000.5, "100000000000000"},
        RealCase{100000000000001.5, "100000000000002"},  // an exact tie goes to the even digit
        RealCase{1e-3, "0.001"}, RealCase{1e-4, "0.0001"}, RealCase{-1e-4, "-0.0001"},
        RealCase{9.9999999999999999e-4, "0.001"},  // that literal is the same double as 0.001
        RealCase{9.99999999999999e-5, "9.99999999999999E-5"},
        RealCase{9.999999999999999e-5, "0.0001"},  // rounds up into the positional form
        RealCase{0.000123456789012345678, "0.000123456789012346"}, RealCase{1.5e-5, "1.5E-5"},
        RealCase{-1.25e-7, "-1.25E-7"}, RealCase{1e100, "1E100"}, RealCase{1e-100, "1E-100"},
        RealCase{1.7976931348623157e308, "1.79769313486232E308"},
        RealCase{2.2250738585072014e-308, "2.2250738585072E-308"},
        RealCase{4.9406564584124654e-324, "4.94065645841247E-324"},  // the smallest subnormal
        RealCase{1.0, "1"}, RealCase{10.0, "10"}, RealCase{-7.0, "-7"}, RealCase{0.1, "0.1"},
        RealCase{6555.0 / 65536.0, "0.100021362304688"},  // 0.1000213623046875: tie, up to even
        RealCase{6557.0 / 65536.0, "0.100051879882812"},  // 0.1000518798828125: tie, down to even
        RealCase{1234.5, "1234.5"}, RealCase{-1e14, "-100000000000000"}));

// Splits a written real into its significant digits (trailing zeros removed)
// and the decimal power of its first digit, checking the shape on the way.
struct ParsedReal {
    bool negative = false;
    std::string digits;
    int power = 0;
};

ParsedReal ParseWrittenReal(const std::string& text) {
    ParsedReal parsed;
    std::size_t pos = 0;
    if (text[pos] == '-') {
        parsed.negative = true;
        ++pos;
    }
    const std::size_t e = text.find('E');
    const std::string mantissa =
        text.substr(pos, e == std::string::npos ? std::string::npos : e - pos);
    int exponent = 0;
    if (e != std::string::npos) {
        const std::string power = text.substr(e + 1);
        EXPECT_EQ(power.find('+'), std::string::npos) << text;
        EXPECT_FALSE(power.size() > 1 && (power[0] == '0' || (power[0] == '-' && power[1] == '0')))
            << text;
        std::from_chars(power.data(), power.data() + power.size(), exponent);
        EXPECT_TRUE(mantissa.size() == 1 || mantissa[1] == '.')
            << "one digit before the point: " << text;
    }
    const std::size_t point = mantissa.find('.');
    const std::string integerPart = mantissa.substr(0, point);
    const std::string fraction = point == std::string::npos ? "" : mantissa.substr(point + 1);
    EXPECT_FALSE(!fraction.empty() && fraction.back() == '0') << "trailing zero: " << text;
    EXPECT_FALSE(point != std::string::npos && fraction.empty()) << "bare point: " << text;
    std::string all = integerPart + fraction;
    std::size_t firstNonZero = all.find_first_not_of('0');
    parsed.digits = all.substr(firstNonZero);
    parsed.power =
        exponent + static_cast<int>(integerPart.size()) - 1 - static_cast<int>(firstNonZero);
    while (parsed.digits.size() > 1 && parsed.digits.back() == '0') parsed.digits.pop_back();
    return parsed;
}

// The correctly rounded 15 digits from the standard library.
ParsedReal ReferenceDigits(double value) {
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                   std::chars_format::scientific, 14)
                         .ptr;
    const std::string text(buffer, end);
    ParsedReal reference;
    reference.negative = std::signbit(value);
    reference.digits = text.substr(0, 1) + text.substr(2, 14);
    while (reference.digits.size() > 1 && reference.digits.back() == '0')
        reference.digits.pop_back();
    std::from_chars(text.data() + text.find('e') + 1 + (text[text.find('e') + 1] == '+'),
                    text.data() + text.size(), reference.power);
    return reference;
}

void ExpectCorrectlyRounded(double value) {
    const std::string written = RealText(value);
    const ParsedReal parsed = ParseWrittenReal(written);
    const ParsedReal reference = ReferenceDigits(value);
    const bool positional = written.find('E') == std::string::npos;
    EXPECT_EQ(positional, reference.power >= -4 && reference.power <= 14) << written;
    if (parsed.digits != reference.digits || parsed.power != reference.power ||
        parsed.negative != reference.negative) {
        ADD_FAILURE() << "RealCase{" << std::hexfloat << value << std::defaultfloat << ", \""
                      << written << "\"}: expected digits " << reference.digits << " power "
                      << reference.power;
    }
}

TEST(RealText, AgreesWithCorrectRoundingOverAllMagnitudes) {
    std::mt19937_64 random(20240611);
    for (int i = 0; i < 200000; ++i) {
        const double value = std::bit_cast<double>(random());
        if (!std::isfinite(value) || value == 0.0) continue;
        ExpectCorrectlyRounded(value);
    }
}

TEST(RealText, AgreesWithCorrectRoundingInThePositionalRange) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> logMagnitude(-6.0, 16.0);
    for (int i = 0; i < 200000; ++i) {
        const double value = std::pow(10.0, logMagnitude(random)) * ((i & 1) ? -1.0 : 1.0);
        ExpectCorrectlyRounded(value);
        ExpectCorrectlyRounded(std::nextafter(value, 0.0));
    }
}

// Values whose 16th significant digit is an exact 5 are ties; they and their
// neighbours one unit in the last place away test the rounding direction.
TEST(RealText, AgreesWithCorrectRoundingAtExactTies) {
    std::mt19937_64 random(3);
    for (std::uint64_t k = 6554; k < 65536; k += 2) {  // k / 2^16 in [0.1, 1) has 16 digits
        const double tie = static_cast<double>(k) / 65536.0;
        ExpectCorrectlyRounded(tie);
        ExpectCorrectlyRounded(std::nextafter(tie, 1.0));
        ExpectCorrectlyRounded(std::nextafter(tie, 0.0));
    }
    std::uniform_int_distribution<std::uint64_t> fifteenDigits(100000000000000ull,
                                                               999999999999999ull);
    for (int i = 0; i < 20000; ++i) {
        const double tie = static_cast<double>(fifteenDigits(random)) + 0.5;
        ExpectCorrectlyRounded(tie);
        ExpectCorrectlyRounded(tie / 1024.0);  // still exact, the tie moves to other digits
    }
}

// The whole text as the writer has always laid it out, from std::to_chars's
// correctly rounded digits: the reference for the fast paths.
std::string ReferenceRealText(double value) {
    if (std::isnan(value)) return "NAN";
    if (value == 0.0) return "0";
    std::string text = std::signbit(value) ? "-" : "";
    if (std::isinf(value)) return text + "INF";
    const ParsedReal reference = ReferenceDigits(value);
    const std::string& digits = reference.digits;
    const int power = reference.power;
    if (power >= 0 && power <= 14) {
        const std::size_t integerDigits = static_cast<std::size_t>(power) + 1;
        if (digits.size() <= integerDigits)
            return text + digits + std::string(integerDigits - digits.size(), '0');
        return text + digits.substr(0, integerDigits) + "." + digits.substr(integerDigits);
    }
    if (power >= -4 && power < 0)
        return text + "0." + std::string(static_cast<std::size_t>(-power - 1), '0') + digits;
    text += digits.substr(0, 1);
    if (digits.size() > 1) text += "." + digits.substr(1);
    return text + "E" + std::to_string(power);
}

// Ten million values (a tenth of that in unoptimised or emulated builds): random bit
// patterns over all exponents, the positional range where the fast paths
// work, and exact ties and the decades' edges, each moved by up to three units in the
// last place.
TEST(RealText, AgreesWithTheReferenceLayoutOnMillionsOfValues) {
#if defined(NDEBUG) && !defined(RV17_TESTS_UNDER_EMULATOR)
    constexpr int kValues = 10'000'000;
#else
    constexpr int kValues = 1'000'000;
#endif
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> logMagnitude(-7.0, 16.0);
    std::uniform_int_distribution<int> decade(-7, 16);
    std::uniform_int_distribution<int> tiePower(-5, 14);
    std::uniform_int_distribution<std::int64_t> ulps(-3, 3);
    int mismatches = 0;
    for (int i = 0; i < kValues && mismatches < 10; ++i) {
        double value = 0.0;
        switch (i % 4) {
            case 0:
                value = std::bit_cast<double>(random());
                break;
            case 1:
                value = std::pow(10.0, logMagnitude(random));
                break;
            case 2: {  // an exact tie: odd k / 2^(15 - p) has 16 digits, the last a 5
                const int p = tiePower(random);
                const double low = std::ceil(std::ldexp(std::pow(10.0, p), 15 - p));
                const double high = std::floor(std::ldexp(std::pow(10.0, p + 1), 15 - p));
                const auto span = static_cast<std::uint64_t>(high - low);
                const double k = low + static_cast<double>(random() % span);
                value = std::ldexp(std::fmod(k, 2.0) == 0.0 ? k + 1.0 : k, p - 15);
                break;
            }
            default:
                value = std::pow(10.0, decade(random));
                break;
        }
        value = std::bit_cast<double>(std::bit_cast<std::int64_t>(value) + ulps(random));
        if (i & 8) value = -value;
        char buffer[kMaxRealTextBytes];
        const std::string written(buffer, AppendRealText(buffer, value));
        if (written != ReferenceRealText(value)) {
            ++mismatches;
            ADD_FAILURE() << std::hexfloat << value << ": " << written << " instead of "
                          << ReferenceRealText(value);
        }
    }
}

TEST(RealText, FitsTheRoomCallersReserve) {
    std::mt19937_64 random(11);
    std::size_t longest = 0;
    for (int i = 0; i < 100000; ++i) {
        const double value = std::bit_cast<double>(random());
        longest = std::max(longest, RealText(value).size());
    }
    longest = std::max(longest, RealText(-1.2345678901234567e-300).size());
    longest = std::max(longest, RealText(-0.000123456789012345).size());
    EXPECT_LE(longest, kMaxRealTextBytes);
}

TEST(IntegerText, WritesDecimalAndUpperCaseHexadecimal) {
    const struct {
        std::int32_t value;
        const char* decimal;
        const char* hex;
    } cases[] = {
        {0, "0", "0"},
        {9, "9", "9"},
        {10, "10", "A"},
        {15, "15", "F"},
        {16, "16", "10"},
        {-1, "-1", "FFFFFFFF"},
        {2147483647, "2147483647", "7FFFFFFF"},
        {-2147483647 - 1, "-2147483648", "80000000"},
    };
    for (const auto& c : cases) {
        char buffer[kMaxIntegerTextBytes];
        EXPECT_EQ(std::string(buffer, AppendIntegerText(buffer, c.value)), c.decimal);
        EXPECT_EQ(std::string(buffer, AppendHexText(buffer, c.value)), c.hex);
    }
}

}  // namespace

}  // namespace rv17
