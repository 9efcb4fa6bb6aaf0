// Collecting and ordering the crossings of a hatch line.
#include "hatch/CrossingList.h"

namespace rv17 {

CrossingList::CrossingList(double angle) noexcept
    : toFrame_(RotationBy(-angle)), toDrawing_(RotationBy(angle)) {}

void CrossingList::AddCrossing(double x, double y) noexcept {
    const PlanePoint p = RotatePoint(x, y, 0.0, 0.0, toFrame_);
    // A line through a corner meets both edges there; the corner counts once.
    for (int i = 0; i < count_; ++i) {
        if (PointsCoincide(x_[i], y_[i], p.X, p.Y)) return;
    }
    if (count_ == kRoom) return;
    x_[count_] = p.X;
    y_[count_] = p.Y;
    ++count_;
}

void CrossingList::SortCrossings() noexcept {
    // Selection sort that swaps only for a strictly smaller position, so of
    // equal positions the earlier stays first.
    for (int i = 0; i + 1 < count_; ++i) {
        int smallest = i;
        for (int j = i + 1; j < count_; ++j) {
            if (x_[j] < x_[smallest]) smallest = j;
        }
        if (smallest != i) {
            ExchangeReals(x_[i], x_[smallest]);
            ExchangeReals(y_[i], y_[smallest]);
        }
    }
    for (int i = 0; i < count_; ++i) {
        const PlanePoint p = RotatePoint(x_[i], y_[i], 0.0, 0.0, toDrawing_);
        x_[i] = p.X;
        y_[i] = p.Y;
    }
}

}  // namespace rv17
