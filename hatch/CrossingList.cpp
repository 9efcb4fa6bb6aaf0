// Collecting and ordering the crossings of a hatch line.
#include "hatch/CrossingList.h"

#include "geometry/Trigonometry.h"

namespace rv17 {

namespace {

// RotatePoint(x, y, 0, 0, angle) with the angle's cosine and sine given; the
// same operations in the same order, so the results are bit for bit equal.
PlanePoint RotateAboutOrigin(double x, double y, double c, double s) noexcept {
    const double dx = x - 0.0;
    const double dy = y - 0.0;
    return {0.0 + c * dx - s * dy, 0.0 + s * dx + c * dy};
}

}  // namespace

CrossingList::CrossingList(double angle) noexcept {
    SineCosine(-angle, sinToFrame_, cosToFrame_);
    SineCosine(angle, sinToDrawing_, cosToDrawing_);
}

void CrossingList::AddCrossing(double x, double y) noexcept {
    const PlanePoint p = RotateAboutOrigin(x, y, cosToFrame_, sinToFrame_);
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
        const PlanePoint p = RotateAboutOrigin(x_[i], y_[i], cosToDrawing_, sinToDrawing_);
        x_[i] = p.X;
        y_[i] = p.Y;
    }
}

}  // namespace rv17
