// Bounds of the figures: every point of every piece, and the box of each text.
#include "drawing/FigureBounds.h"

#include <cmath>

namespace rv17 {

void BoundsVisitor::AddAll(const PlanePoint* points, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) bounds_.Take(points[i]);
}

void BoundsVisitor::Fill(const PreviewShape& shape, RgbHex) {
    AddAll(shape.points.data(), shape.points.size());
}

void BoundsVisitor::Outline(const PreviewShape& shape, RgbHex) {
    AddAll(shape.points.data(), shape.points.size());
}

void BoundsVisitor::Stroke(const PlanePoint* points, std::size_t count, RgbHex) {
    AddAll(points, count);
}

void BoundsVisitor::Dot(PlanePoint at, RgbHex) { bounds_.Take(at); }

// The corners of the text's box, turned by its angle.
void BoundsVisitor::Label(const PlacedText& text, RgbHex) {
    bounds_.Take(text.at);
    if (text.height <= 0.0) return;
    const double c = std::cos(text.angle), s = std::sin(text.angle);
    const double w = text.width, h = text.height;
    bounds_.Take({text.at.X + w * c, text.at.Y + w * s});
    bounds_.Take({text.at.X - h * s, text.at.Y + h * c});
    bounds_.Take({text.at.X + w * c - h * s, text.at.Y + w * s + h * c});
}

}  // namespace rv17
