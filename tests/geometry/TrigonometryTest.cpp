// The program's own trigonometry: close to the exact values, the same bits on
// every build (the hatch output depends on them), and the special cases.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <numbers>
#include <random>

#include "geometry/Trigonometry.h"
#include "tests/geometry/CaseLiteral.h"

namespace rv17 {

namespace {

std::uint64_t Bits(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

TEST(Trigonometry, CloseToTheExactValues) {
    // The platform's functions serve as the reference, within a few units in
    // the last place. Some are themselves off near multiples of pi/2, by an
    // amount that grows with the argument: hence the absolute allowance.
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> wide(-1000.0, 1000.0);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    for (int i = 0; i < 200000; ++i) {
        const double x = i % 3 == 0 ? wide(random) : wide(random) / 100.0;
        const double y = wide(random);
        const double c = unit(random);
        const auto near = [&](double actual, double expected) {
            return std::fabs(actual - expected) <=
                   4e-16 * std::fabs(expected) + 1e-18 + 1e-19 * std::fabs(x);
        };
        ASSERT_TRUE(near(Sine(x), std::sin(x))) << Literal({x});
        ASSERT_TRUE(near(Cosine(x), std::cos(x))) << Literal({x});
        ASSERT_TRUE(near(ArcTangent2(y, x), std::atan2(y, x))) << Literal({y, x});
        ASSERT_TRUE(std::fabs(ArcCosine(c) - std::acos(c)) <= 1.5e-15) << Literal({c});
    }
}

TEST(Trigonometry, TheSameBitsOnEveryBuild) {
    struct Known {
        double x;
        std::uint64_t sine, cosine;
    };
    // Values of this implementation, which every build must reproduce.
    const Known known[] = {
        {std::numbers::pi / 2, 0x3ff0000000000000u, 0x3c91a62633145c07u},
        {std::numbers::pi, 0x3ca1a62633145c07u, 0xbff0000000000000u},
        {30.0 / 180.0 * std::numbers::pi, 0x3fdfffffffffffffu, 0x3febb67ae8584cabu},
        {1e5, 0x3fa24daa9c527e96u, 0xbfeffac3841b3da7u},
    };
    for (const Known& k : known) {
        EXPECT_EQ(Bits(Sine(k.x)), k.sine)
            << std::hex << Bits(Sine(k.x)) << " for " << Literal({k.x});
        EXPECT_EQ(Bits(Cosine(k.x)), k.cosine)
            << std::hex << Bits(Cosine(k.x)) << " for " << Literal({k.x});
    }
    // A digest of many values: one changed bit anywhere changes it.
    std::uint64_t digest = 0;
    std::mt19937_64 random(12);
    std::uniform_real_distribution<double> wide(-50.0, 50.0);
    for (int i = 0; i < 100000; ++i) {
        const double x = wide(random);
        const double y = wide(random);
        for (const double value : {Sine(x), Cosine(x), ArcTangent2(y, x), ArcCosine(x / 50.0)}) {
            digest = digest * 1099511628211u ^ Bits(value);
        }
    }
    EXPECT_EQ(digest, 0xa0f243c66e525a9eu) << std::hex << digest;
}

TEST(Trigonometry, SymmetriesAndSpecialCases) {
    std::mt19937_64 random(13);
    std::uniform_real_distribution<double> wide(-1e5, 1e5);
    for (int i = 0; i < 20000; ++i) {
        const double x = wide(random);
        double s = 0, c = 0;
        SineCosine(x, s, c);
        ASSERT_EQ(Bits(s), Bits(Sine(x))) << Literal({x});
        ASSERT_EQ(Bits(c), Bits(Cosine(x))) << Literal({x});
        ASSERT_EQ(Bits(Sine(-x)), Bits(-Sine(x))) << Literal({x});
        ASSERT_EQ(Bits(Cosine(-x)), Bits(Cosine(x))) << Literal({x});
    }
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(std::isnan(Sine(inf)) && std::isnan(Cosine(-inf)) && std::isnan(Sine(nan)));
    EXPECT_EQ(Bits(Sine(-0.0)), Bits(-0.0));
    EXPECT_EQ(Cosine(0.0), 1.0);
    EXPECT_EQ(ArcTangent2(0.0, 1.0), 0.0);
    EXPECT_EQ(Bits(ArcTangent2(-0.0, 1.0)), Bits(-0.0));
    EXPECT_EQ(ArcTangent2(0.0, -1.0), std::numbers::pi);
    EXPECT_EQ(ArcTangent2(-0.0, -1.0), -std::numbers::pi);
    EXPECT_EQ(ArcTangent2(1.0, 0.0), std::numbers::pi / 2);
    EXPECT_EQ(ArcTangent2(-1.0, -0.0), -std::numbers::pi / 2);
    EXPECT_EQ(ArcTangent2(1.0, 1.0), std::numbers::pi / 4);
    EXPECT_EQ(ArcTangent2(inf, -inf), 3 * std::numbers::pi / 4);
    EXPECT_TRUE(std::isnan(ArcTangent2(nan, 1.0)));
    EXPECT_EQ(ArcCosine(1.0), 0.0);
    EXPECT_EQ(ArcCosine(-1.0), std::numbers::pi);
    EXPECT_EQ(ArcCosine(0.0), std::numbers::pi / 2);
    EXPECT_TRUE(std::isnan(ArcCosine(1.0000000000000002)));
    // Huge arguments stay within range and deterministic.
    for (const double x : {1e6, -3e9, 1e300}) {
        EXPECT_LE(std::fabs(Sine(x)), 1.0) << Literal({x});
        EXPECT_LE(std::fabs(Cosine(x)), 1.0) << Literal({x});
    }
}

}  // namespace

}  // namespace rv17
