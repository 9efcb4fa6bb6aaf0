// The crossings of one hatch line with one solid's outline, collected in the
// frame in which hatch lines run horizontally and then ordered along the line.
#pragma once

#include "geometry/Angles.h"

namespace rv17 {

class CrossingList {
public:
    // No clipper adds more than 6 crossings for one solid and one line.
    static constexpr int kRoom = 10;

    // angle: the hatch angle a of the run, in radians.
    explicit CrossingList(double angle) noexcept;

    void Clear() noexcept { count_ = 0; }

    // Adds (x, y), given in drawing coordinates, unless a crossing within 1e-8
    // of it in the hatch frame is already held. Crossings beyond the room are
    // dropped (no clipper produces them).
    void AddCrossing(double x, double y) noexcept;

    // Orders the crossings by their position along the hatch direction (equal
    // positions keep their order) and returns them to drawing coordinates.
    void SortCrossings() noexcept;

    int Count() const noexcept { return count_; }
    const double* X() const noexcept { return x_; }
    const double* Y() const noexcept { return y_; }

private:
    // The turns by -a and by +a, worked out once per run.
    Rotation toFrame_;
    Rotation toDrawing_;
    int count_ = 0;
    double x_[kRoom];
    double y_[kRoom];
};

}  // namespace rv17
