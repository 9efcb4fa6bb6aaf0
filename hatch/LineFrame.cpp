// The shared facts of a hatch line and its side test.
#include "hatch/LineFrame.h"

#include <cmath>
#include <limits>

namespace rv17 {

namespace {

// Far beyond both the 1e-8 widening of SegmentIntersection and the rounding
// of its crossing, for coordinates of the size given.
constexpr double kSideMargin = 1e-6;
constexpr double kSideRelativeMargin = 1e-9;

}  // namespace

LineFrame::LineFrame(const HatchLine& line) noexcept
    : line_(line),
      slopeIntercept_(SlopeInterceptOf(line.ax, line.ay, line.bx, line.by)),
      segment_(SegmentFrameOf(line.ax, line.ay, line.bx, line.by)) {
    middleX_ = (line.ax + line.bx) / 2.0;
    middleY_ = (line.ay + line.by) / 2.0;
    const double dx = line.ax - line.bx;
    const double dy = line.ay - line.by;
    const double length = std::sqrt(dx * dx + dy * dy);
    normalX_ = -dy / length;
    normalY_ = dx / length;
    const double size =
        std::fabs(line.ax) + std::fabs(line.ay) + std::fabs(line.bx) + std::fabs(line.by);
    sideMargin_ = kSideMargin + kSideRelativeMargin * size;
    if (!(length > 0.0) || !std::isfinite(sideMargin_) || !std::isfinite(normalX_) ||
        !std::isfinite(normalY_)) {
        sideMargin_ = std::numeric_limits<double>::infinity();
        normalX_ = normalY_ = 0.0;
    }
}

}  // namespace rv17
