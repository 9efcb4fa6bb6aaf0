// Drawing one panel of the preview: the figures gathered by kind so that fills
// lie under strokes and strokes under dots and texts, strokes of one colour
// share one path, and the hatch segments go in one path per colour.
#pragma once

#include <map>
#include <string>

#include "drawing/ConvertedDrawing.h"
#include "drawing/PreviewFigures.h"
#include "tools/preview/PreviewLayout.h"
#include "tools/preview/SvgWriter.h"

namespace rv17 {

class PanelDrawer final : public FigureVisitor {
public:
    explicit PanelDrawer(const Layout& layout);

    void Fill(const PreviewShape& shape, RgbHex colour) override;
    void Outline(const PreviewShape& shape, RgbHex colour) override;
    void Stroke(const PlanePoint* points, std::size_t count, RgbHex colour) override;
    void Dot(PlanePoint at, RgbHex colour) override;
    void Label(const PlacedText& text, RgbHex colour) override;

    // Fills, outlines and strokes; then the hatch, if any; then dots and texts.
    void WriteBelowHatch(SvgWriter& svg);
    void WriteAboveHatch(SvgWriter& svg);

private:
    const Layout& layout_;
    std::string fills_;
    std::map<RgbHex, std::string> outlines_;
    std::map<RgbHex, std::string> strokes_;
    std::map<RgbHex, std::string> dots_;
    std::string labels_;
    StringSink labelSink_{labels_};
    SvgWriter labelWriter_;
};

// The hatch segments, one path per colour (longer runs split, see the .cpp);
// segments that are not drawable are left out.
void WriteHatchSegments(SvgWriter& svg, const BlockList<HatchPiece>& hatch, double unit);

}  // namespace rv17
