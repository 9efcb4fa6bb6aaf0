// The smallest box around the figures of a drawing, gathered by visiting them.
#pragma once

#include <cstddef>

#include "drawing/PreviewFigures.h"

namespace rv17 {

// The smallest box around everything drawn.
struct Bounds {
    bool empty = true;
    double minX = 0.0, minY = 0.0, maxX = 0.0, maxY = 0.0;

    void Add(PlanePoint p);
};

// Widens the bounds by every piece of the figures visited.
class BoundsVisitor final : public FigureVisitor {
public:
    explicit BoundsVisitor(Bounds& bounds) : bounds_(bounds) {}
    void Fill(const PreviewShape& shape, RgbHex) override;
    void Outline(const PreviewShape& shape, RgbHex) override;
    void Stroke(const PlanePoint* points, std::size_t count, RgbHex) override;
    void Dot(PlanePoint at, RgbHex) override;
    void Label(const PlacedText& text, RgbHex) override;

private:
    void AddAll(const PlanePoint* points, std::size_t count);
    Bounds& bounds_;
};

}  // namespace rv17
