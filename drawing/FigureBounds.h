// The smallest box around the figures of a drawing, gathered by visiting them.
#pragma once

#include <cstddef>

#include "drawing/PreviewFigures.h"
#include "geometry/PlaneBox.h"

namespace rv17 {

// Widens the box by every piece of the figures visited.
class BoundsVisitor final : public FigureVisitor {
public:
    explicit BoundsVisitor(PlaneBox& bounds) : bounds_(bounds) {}
    void Fill(const PreviewShape& shape, RgbHex) override;
    void Outline(const PreviewShape& shape, RgbHex) override;
    void Stroke(const PlanePoint* points, std::size_t count, RgbHex) override;
    void Dot(PlanePoint at, RgbHex) override;
    void Label(const PlacedText& text, RgbHex) override;

private:
    void AddAll(const PlanePoint* points, std::size_t count);
    PlaneBox& bounds_;
};

}  // namespace rv17
