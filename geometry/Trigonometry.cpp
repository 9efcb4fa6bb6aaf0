// Trigonometric functions from basic operations: the argument is reduced by
// multiples of pi/2 given in three parts, and short series on the reduced
// argument give the values.
#include "geometry/Trigonometry.h"

#include <cmath>
#include <limits>

#include "geometry/Pi.h"

namespace rv17 {

namespace {

// pi/2 in parts: the first two have 33 significant bits, so their products
// with a quadrant count below 2^20 are exact; the third carries the rest.
constexpr double kHalfPi1 = 0x1.921fb544p+0;
constexpr double kHalfPi2 = 0x1.0b4611a6p-34;
constexpr double kHalfPi3 = 0x1.3198a2e037073p-69;
constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;
// Quadrant counts up to this keep the products above exact.
constexpr double kLargestReduced = 0x1p19 * kHalfPi;
// x + kRound - kRound rounds x to a whole number (for |x| < 2^51).
constexpr double kRound = 0x1.8p52;

// What the doubles kHalfPi and kPi fall short of the exact values.
constexpr double kHalfPiLow = 0x1.1a62633145c07p-54;
constexpr double kPiLow = 0x1.1a62633145c07p-53;

// arctan(j / 8), j = 1 .. 8, as a double and the rest.
constexpr double kArcTanHigh[9] = {0.0,
                                   0x1.fd5ba9aac2f6ep-4,
                                   0x1.f5b75f92c80ddp-3,
                                   0x1.6f61941e4def1p-2,
                                   0x1.dac670561bb4fp-2,
                                   0x1.1e00babdefeb4p-1,
                                   0x1.4978fa3269ee1p-1,
                                   0x1.700a7c5784634p-1,
                                   0x1.921fb54442d18p-1};
constexpr double kArcTanLow[9] = {0.0,
                                  -0x1.cd37686760c17p-59,
                                  0x1.8ab6e3cf7afbdp-57,
                                  -0x1.c63aae6f6e918p-56,
                                  0x1.a2b7f222f65e2p-56,
                                  -0x1.928df287a668fp-58,
                                  0x1.2419a87f2a458p-56,
                                  -0x1.8c34d25aadef6p-56,
                                  0x1.1a62633145c07p-55};

// sin r for |r| <= pi/4 (a little beyond after rounding): r + r^3 (-1/6 + ...),
// the series to r^17, whose remainder is below 1e-19 of the value.
double SineKernel(double r) noexcept {
    const double z = r * r;
    const double tail =
        -1.0 / 6.0 +
        z * (1.0 / 120.0 +
             z * (-1.0 / 5040.0 +
                  z * (1.0 / 362880.0 +
                       z * (-1.0 / 39916800.0 +
                            z * (1.0 / 6227020800.0 +
                                 z * (-1.0 / 1307674368000.0 + z * (1.0 / 355687428096000.0)))))));
    return r + r * (z * tail);
}

// cos r for |r| <= pi/4: 1 - r^2/2 + r^4 (1/24 - ...), the series to r^18.
// The rounding of 1 - r^2/2 is recovered and added back.
double CosineKernel(double r) noexcept {
    const double z = r * r;
    const double tail =
        1.0 / 24.0 +
        z * (-1.0 / 720.0 +
             z * (1.0 / 40320.0 +
                  z * (-1.0 / 3628800.0 +
                       z * (1.0 / 479001600.0 +
                            z * (-1.0 / 87178291200.0 + z * (1.0 / 20922789888000.0 +
                                                             z * (-1.0 / 6402373705728000.0)))))));
    const double half = 0.5 * z;
    const double w = 1.0 - half;
    return w + (((1.0 - w) - half) + z * z * tail);
}

// arctan u for |u| <= 1/16 (and a little more): the series to u^17.
double ArcTanKernel(double u) noexcept {
    const double z = u * u;
    const double tail =
        -1.0 / 3.0 +
        z * (1.0 / 5.0 +
             z * (-1.0 / 7.0 +
                  z * (1.0 / 9.0 + z * (-1.0 / 11.0 +
                                        z * (1.0 / 13.0 + z * (-1.0 / 15.0 + z * (1.0 / 17.0)))))));
    return u + u * (z * tail);
}

// arctan t for 0 <= t <= 1: arctan(j/8) + arctan((t - j/8) / (1 + t j/8)).
double ArcTanUnit(double t) noexcept {
    const double j = (t * 8.0 + kRound) - kRound;
    const int index = static_cast<int>(j);
    if (index == 0) return ArcTanKernel(t);
    const double c = j / 8.0;
    const double u = (t - c) / (1.0 + t * c);
    return kArcTanHigh[index] + (kArcTanLow[index] + ArcTanKernel(u));
}

// x = quadrant * pi/2 + reduced, with |reduced| <= pi/4 (nearly).
struct Reduced {
    double reduced;
    int quadrant;  // 0 .. 3
};

Reduced Reduce(double x) noexcept {
    if (!(std::fabs(x) <= kLargestReduced)) {
        // Deterministic for every size: the exact remainder of a double 2pi.
        x = std::fmod(x, kTwoPi);
    }
    const double n = (x * kTwoOverPi + kRound) - kRound;
    // Each product with the first two parts is exact; the differences cancel
    // without rounding where the reduced argument is small.
    const double reduced = ((x - n * kHalfPi1) - n * kHalfPi2) - n * kHalfPi3;
    const int quadrant = static_cast<int>(static_cast<long long>(n) & 3);
    return {reduced, quadrant};
}

}  // namespace

void SineCosine(double x, double& sine, double& cosine) noexcept {
    if (!std::isfinite(x)) {
        sine = cosine = std::numeric_limits<double>::quiet_NaN();
        return;
    }
    const Reduced r = Reduce(x);
    const double s = SineKernel(r.reduced);
    const double c = CosineKernel(r.reduced);
    switch (r.quadrant) {
        case 0:
            sine = s, cosine = c;
            break;
        case 1:
            sine = c, cosine = -s;
            break;
        case 2:
            sine = -s, cosine = -c;
            break;
        default:
            sine = -c, cosine = s;
            break;
    }
}

double Sine(double x) noexcept {
    if (!std::isfinite(x)) return std::numeric_limits<double>::quiet_NaN();
    if (x == 0.0) return x;  // keeps the sign of zero
    const Reduced r = Reduce(x);
    switch (r.quadrant) {
        case 0:
            return SineKernel(r.reduced);
        case 1:
            return CosineKernel(r.reduced);
        case 2:
            return -SineKernel(r.reduced);
        default:
            return -CosineKernel(r.reduced);
    }
}

double Cosine(double x) noexcept {
    if (!std::isfinite(x)) return std::numeric_limits<double>::quiet_NaN();
    const Reduced r = Reduce(x);
    switch (r.quadrant) {
        case 0:
            return CosineKernel(r.reduced);
        case 1:
            return -SineKernel(r.reduced);
        case 2:
            return -CosineKernel(r.reduced);
        default:
            return SineKernel(r.reduced);
    }
}

double ArcTangent2(double y, double x) noexcept {
    if (std::isnan(x) || std::isnan(y)) return std::numeric_limits<double>::quiet_NaN();
    const bool negativeY = std::signbit(y);
    const bool negativeX = std::signbit(x);
    const double ay = std::fabs(y);
    const double ax = std::fabs(x);
    if (ax == 0.0 && ay != 0.0) return negativeY ? -kHalfPi : kHalfPi;
    double angle;  // of (|x|, |y|), in [0, pi/2]
    if (ay == 0.0) {
        angle = 0.0;
    } else if (std::isinf(ax) && std::isinf(ay)) {
        angle = kHalfPi / 2.0;
    } else if (ay <= ax) {
        angle = ArcTanUnit(ay / ax);
    } else {
        angle = kHalfPi + (kHalfPiLow - ArcTanUnit(ax / ay));
    }
    if (negativeX) angle = kPi + (kPiLow - angle);
    return negativeY ? -angle : angle;
}

double ArcCosine(double c) noexcept {
    if (!(c >= -1.0 && c <= 1.0)) return std::numeric_limits<double>::quiet_NaN();
    // 1 - c and 1 + c are exact where they are small, so the sine keeps its
    // precision near 0 and pi.
    return ArcTangent2(std::sqrt((1.0 - c) * (1.0 + c)), c);
}

}  // namespace rv17
