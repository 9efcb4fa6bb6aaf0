// The selection and the hatch turned into canvas primitives.
#include "ui/PreviewScene.h"

#include <algorithm>
#include <vector>

#include "drawing/DrawableValue.h"
#include "drawing/FigureBounds.h"
#include "drawing/Palette.h"
#include "drawing/PreviewFigures.h"

namespace rv17 {

namespace {

ui::Colour ToColour(RgbHex rgb) {
    return {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
            static_cast<std::uint8_t>(rgb)};
}

// A quarter of the colour on white.
ui::Colour Tint(ui::Colour colour) {
    const auto pale = [](std::uint8_t c) { return static_cast<std::uint8_t>(191 + c / 4); };
    return {pale(colour.red), pale(colour.green), pale(colour.blue)};
}

// The cross of the reference point spans this share of the selection's extent.
constexpr double kCrossShare = 0.02;
constexpr ui::Colour kCrossColour{220, 0, 0};

class SceneVisitor final : public FigureVisitor {
public:
    explicit SceneVisitor(ui::CanvasScene& scene) : scene_(scene) {}

    void Fill(const PreviewShape& shape, RgbHex colour) override {
        const ui::Colour full = ToColour(colour);
        scene_.BeginPolygon(Tint(full), full, shape.evenOdd);
        std::size_t begin = 0;
        for (const std::size_t end : shape.loopEnds) {
            Convert(shape.points.data() + begin, end - begin);
            scene_.AddLoop(points_.data(), points_.size());
            begin = end;
        }
    }
    void Outline(const PreviewShape& shape, RgbHex colour) override { Fill(shape, colour); }
    void Stroke(const PlanePoint* points, std::size_t count, RgbHex colour) override {
        Convert(points, count);
        scene_.AddPolyline(points_.data(), points_.size(), ToColour(colour));
    }
    void Dot(PlanePoint, RgbHex) override {}
    void Label(const PlacedText&, RgbHex) override {}

private:
    void Convert(const PlanePoint* points, std::size_t count) {
        points_.resize(count);
        std::transform(points, points + count, points_.begin(), [](PlanePoint p) {
            return ui::CanvasPoint{p.X, p.Y};
        });
    }

    ui::CanvasScene& scene_;
    std::vector<ui::CanvasPoint> points_;
};

}  // namespace

SelectionScene BuildSelectionScene(const EntityStore& drawing) {
    auto scene = std::make_shared<ui::CanvasScene>();
    SelectionScene result;
    BoundsVisitor bounds(result.bounds);
    VisitFigures(drawing, FigureSelection::All, bounds);
    SceneVisitor visitor(*scene);
    VisitFigures(drawing, FigureSelection::All, visitor);

    const IndicatedPoint& reference = drawing.indicatedPoints[1];
    if (reference.defined && IsDrawable(reference.x) && IsDrawable(reference.y)) {
        result.bounds.Take({reference.x, reference.y});
        const double extent = std::max(result.bounds.maxX - result.bounds.minX,
                                       result.bounds.maxY - result.bounds.minY);
        const double arm = std::max(extent * kCrossShare, 1e-3);
        const ui::CanvasPoint across[2] = {{reference.x - arm, reference.y},
                                           {reference.x + arm, reference.y}};
        const ui::CanvasPoint upright[2] = {{reference.x, reference.y - arm},
                                            {reference.x, reference.y + arm}};
        scene->AddPolyline(across, 2, kCrossColour);
        scene->AddPolyline(upright, 2, kCrossColour);
    }
    result.scene = std::move(scene);
    return result;
}

std::shared_ptr<const ui::CanvasScene> BuildHatchScene(const BlockList<HatchPiece>& hatch) {
    auto scene = std::make_shared<ui::CanvasScene>();
    const std::size_t count = hatch.Count();
    scene->points.reserve(2 * count);
    scene->loopEnds.reserve(count);
    scene->items.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const HatchPiece& piece = hatch[i];
        if (!IsDrawable(piece.x1) || !IsDrawable(piece.y1) || !IsDrawable(piece.x2) ||
            !IsDrawable(piece.y2))
            continue;
        const ui::CanvasPoint ends[2] = {{piece.x1, piece.y1}, {piece.x2, piece.y2}};
        scene->AddPolyline(ends, 2, ToColour(PaletteColour(piece.colour)));
    }
    return scene;
}

}  // namespace rv17
