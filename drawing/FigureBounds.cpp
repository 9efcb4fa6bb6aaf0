// Bounds of the figures: every point of every piece, and the box of each text.
#include "drawing/FigureBounds.h"

#include <algorithm>
#include <cmath>

namespace rv17 {

void Bounds::Add(PlanePoint p) {
    if (empty) {
        minX = maxX = p.X;
        minY = maxY = p.Y;
        empty = false;
        return;
    }
    minX = std::min(minX, p.X), maxX = std::max(maxX, p.X);
    minY = std::min(minY, p.Y), maxY = std::max(maxY, p.Y);
}

void BoundsVisitor::AddAll(const PlanePoint* points, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) bounds_.Add(points[i]);
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

void BoundsVisitor::Dot(PlanePoint at, RgbHex) { bounds_.Add(at); }

// The corners of the text's box, turned by its angle.
void BoundsVisitor::Label(const PlacedText& text, RgbHex) {
    bounds_.Add(text.at);
    if (text.height <= 0.0) return;
    const double c = std::cos(text.angle), s = std::sin(text.angle);
    const double w = text.width, h = text.height;
    bounds_.Add({text.at.X + w * c, text.at.Y + w * s});
    bounds_.Add({text.at.X - h * s, text.at.Y + h * c});
    bounds_.Add({text.at.X + w * c - h * s, text.at.Y + w * s + h * c});
}

}  // namespace rv17
