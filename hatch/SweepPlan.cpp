// Sweep geometry: centre, half-length, phase alignment and the line bounds.
#include "hatch/SweepPlan.h"

#include <algorithm>
#include <cmath>

#include "geometry/Angles.h"
#include "geometry/Pi.h"
#include "geometry/Trigonometry.h"

namespace rv17 {

namespace {

// Rounding one coordinate of magnitude m moves it by at most m * 2^-53; both
// coordinates of a step together move a line by at most this many times m
// (with a factor of 4 to spare).
constexpr double kStepRounding = 0x1p-50;
// Positions are trusted to advance when rounding costs at most this share of a step.
constexpr double kMaxStepLoss = 0x1p-10;
// A line within this of the bounds (plus a relative share of its coordinates)
// may still be taken as meeting them: SegmentIntersection widens by 1e-8.
constexpr double kMeetingTolerance = 1e-6;
constexpr double kRelativeTolerance = 1e-9;

// S: the foot of the perpendicular from C onto the line nearest to C, on the
// reference point's side, among the lines at whole multiples of p from R.
PlanePoint AlignedStart(PlanePoint centre, PlanePoint reference, double p, double a) noexcept {
    const PlanePoint turned = RotatePoint(reference.X, reference.Y, centre.X, centre.Y, -a);
    const double d = turned.Y - centre.Y;
    const bool above = d >= 0.0;
    const double m = std::fabs(d) - std::trunc(std::fabs(d) / p) * p;
    const double y0 = above ? centre.Y + m : centre.Y - m;
    return RotatePoint(centre.X, y0, centre.X, centre.Y, a);
}

double Dot(PlanePoint u, PlanePoint v) noexcept { return u.X * v.X + u.Y * v.Y; }

// Lines visited in one direction: every line up to the last one within reach
// of the bounds, and the one after it that ends the direction.
double LinesToLeave(double reach, double progress) noexcept {
    return std::floor(reach / progress) + 2.0;
}

}  // namespace

SweepPlan PlanSweep(const PlaneBox& bounds, const HatchParameters& parameters) {
    SweepPlan plan;
    plan.bounds = bounds;
    const double p = parameters.interval;
    const double a = parameters.angle;
    plan.interval = p;
    plan.angle = a;

    const double width = bounds.maxX - bounds.minX;
    const double height = bounds.maxY - bounds.minY;
    // Longer than the box's diagonal: a line's segment spans its whole passage.
    plan.halfLength = 2.0 * std::fabs(width) + 2.0 * std::fabs(height);
    plan.centre = {(bounds.minX + bounds.maxX) / 2.0, (bounds.minY + bounds.maxY) / 2.0};
    plan.start = AlignedStart(plan.centre, parameters.reference, p, a);

    const double L = plan.halfLength;
    plan.towardsA = {L * Cosine(a), L * Sine(a)};
    plan.towardsB = {L * Cosine(a + kPi), L * Sine(a + kPi)};
    plan.forwardStep = {p * Cosine(a + kHalfPi), p * Sine(a + kHalfPi)};
    plan.backwardStep = {p * Cosine(a - kHalfPi), p * Sine(a - kHalfPi)};

    // The lines' own direction, from the directions towards A and B as they
    // were rounded (for a huge angle, a + pi may round back to a).
    const double ux = Cosine(a) - Cosine(a + kPi);
    const double uy = Sine(a) - Sine(a + kPi);
    const double length = std::sqrt(ux * ux + uy * uy);
    plan.normal = {-uy / length, ux / length};
    plan.forwardProgress = Dot(plan.forwardStep, plan.normal);
    plan.backwardProgress = Dot(plan.backwardStep, plan.normal);

    const double halfExtent =
        (std::fabs(width * plan.normal.X) + std::fabs(height * plan.normal.Y)) / 2.0;
    const double startOffset =
        std::fabs(Dot(PointDifference(plan.start, plan.centre), plan.normal));
    plan.magnitude = std::max(std::fabs(plan.centre.X), std::fabs(plan.centre.Y)) +
                     2.0 * (halfExtent + p) + startOffset;
    const double stepRounding = plan.magnitude * kStepRounding;
    const double reach =
        halfExtent + startOffset + kMeetingTolerance + kRelativeTolerance * (plan.magnitude + L);
    const double forward = LinesToLeave(reach, plan.forwardProgress - stepRounding);
    const double backward = LinesToLeave(reach, -plan.backwardProgress - stepRounding);
    const double total = 1.0 + forward + backward;

    const bool stepsAdvance = plan.forwardProgress > 0.5 * p && -plan.backwardProgress > 0.5 * p &&
                              stepRounding <= kMaxStepLoss * p;
    if (!stepsAdvance || !(total <= static_cast<double>(kMaxHatchLines))) {
        plan.tooLarge = true;
        return plan;
    }
    plan.forwardLines = static_cast<std::int64_t>(forward);
    plan.backwardLines = static_cast<std::int64_t>(backward);
    plan.positionSlack = std::max(forward, backward) * stepRounding;
    return plan;
}

}  // namespace rv17
