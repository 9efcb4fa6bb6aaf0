// Sine, cosine, two-argument arctangent and arccosine computed by this
// program's own code from additions, multiplications, divisions and square
// roots alone, so that every build gives the same bits: the platform's
// mathematics libraries round these functions differently (the Windows one
// by up to several units in the last place near multiples of pi/2), and the
// hatch output is written with 15 significant digits. Within 1 to 2 units in
// the last place of the exact values for arguments up to 8e5 radians; beyond
// that the argument is reduced by the exact remainder of 2pi rounded to a
// double, which stays deterministic and is good to about |x| 4e-17.
#pragma once

namespace rv17 {

double Sine(double x) noexcept;
double Cosine(double x) noexcept;
// Both at once, with one argument reduction.
void SineCosine(double x, double& sine, double& cosine) noexcept;
// The angle of (x, y) in [-pi, pi], with the signs of zeros and the infinite
// cases as atan2 has them.
double ArcTangent2(double y, double x) noexcept;
// The angle in [0, pi] whose cosine is c; not a number outside [-1, 1].
double ArcCosine(double c) noexcept;

}  // namespace rv17
