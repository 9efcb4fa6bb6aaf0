// The preview picture as a whole: the panels side by side, their captions,
// and the atomic writing of the file.
#include "tools/preview/SvgPreview.h"

#include <algorithm>
#include <string>

#include "drawing/ConvertedDrawing.h"
#include "drawing/FigureBounds.h"
#include "exchange/FileAccess.h"
#include "tools/preview/PanelDrawer.h"
#include "tools/preview/PreviewLayout.h"

namespace rv17 {

namespace {

constexpr RgbHex kFrameColour = 0xC8C8C8;
constexpr RgbHex kCaptionColour = 0x303030;
constexpr std::string_view kSeparator = " \xC2\xB7 ";  // a middle dot between blanks
constexpr std::string_view kDegree = "\xC2\xB0";

std::string Counted(std::size_t count, std::string_view one, std::string_view many) {
    std::string text = std::to_string(count);
    text += ' ';
    text += count == 1 ? one : many;
    return text;
}

std::size_t CodePoints(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0u) != 0x80u;
    }));
}

// File name, solid count, interval and angle, each after a separator.
std::string Facts(const PreviewInput& input) {
    std::string facts;
    facts.append(kSeparator).append(input.fileName);
    facts.append(kSeparator)
        .append(Counted(static_cast<std::size_t>(std::max(SolidCount(input.drawing), 0)), "solid",
                        "solids"));
    facts.append(kSeparator).append("interval ").append(input.interval);
    facts.append(kSeparator).append("angle ").append(input.angleDegrees).append(kDegree);
    return facts;
}

void WriteCaption(SvgWriter& svg, const Layout& layout, std::string_view title,
                  std::string_view rest) {
    // Long file names shrink the caption rather than run past the panel.
    const double characters = static_cast<double>(CodePoints(title) + CodePoints(rest));
    const double fitting = layout.panelWidth / (0.56 * std::max(characters, 1.0));
    const double size = std::min(kCaptionFontPixels * layout.unit, fitting);
    const double y = -layout.bottom + layout.captionBand * 0.62;
    svg.Raw("<text x=\"")
        .Number(layout.left)
        .Raw("\" y=\"")
        .Number(y)
        .Raw("\" font-size=\"")
        .Number(size);
    svg.Raw("\" font-family=\"sans-serif\" fill=\"")
        .Colour(kCaptionColour)
        .Raw("\"><tspan font-weight=\"bold\">");
    svg.Text(title).Raw("</tspan>").Text(rest).Raw("</text>\n");
}

void WriteFrame(SvgWriter& svg, const Layout& layout) {
    svg.Raw("<rect x=\"").Number(layout.left).Raw("\" y=\"").Number(-layout.PanelTop());
    svg.Raw("\" width=\"").Number(layout.panelWidth).Raw("\" height=\"").Number(layout.panelHeight);
    svg.Raw("\" fill=\"none\" stroke=\"")
        .Colour(kFrameColour)
        .Raw("\" stroke-width=\"")
        .Number(layout.unit);
    svg.Raw("\"/>\n");
}

// The svg element with its size and drawing-unit view box, a clip path of
// one panel's frame (both panels use it, the second through its translation),
// and the white background.
void WriteHead(SvgWriter& svg, const Layout& layout) {
    const double u = layout.unit;
    const double viewLeft = layout.left - layout.outer;
    const double viewTop = -layout.PanelTop() - layout.outer;
    svg.Raw("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    svg.Raw("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"").Number(layout.TotalWidth() / u);
    svg.Raw("\" height=\"")
        .Number(layout.TotalHeight() / u)
        .Raw("\" viewBox=\"")
        .Number(viewLeft)
        .Char(' ');
    svg.Number(viewTop)
        .Char(' ')
        .Number(layout.TotalWidth())
        .Char(' ')
        .Number(layout.TotalHeight())
        .Raw("\">\n");
    svg.Raw("<defs><clipPath id=\"panel\"><rect x=\"")
        .Number(layout.left)
        .Raw("\" y=\"")
        .Number(-layout.PanelTop());
    svg.Raw("\" width=\"").Number(layout.panelWidth).Raw("\" height=\"").Number(layout.panelHeight);
    svg.Raw("\"/></clipPath></defs>\n");
    svg.Raw("<rect x=\"").Number(viewLeft).Raw("\" y=\"").Number(viewTop).Raw("\" width=\"");
    svg.Number(layout.TotalWidth())
        .Raw("\" height=\"")
        .Number(layout.TotalHeight())
        .Raw("\" fill=\"#ffffff\"/>\n");
}

void WriteBeforePanel(SvgWriter& svg, const Layout& layout, const PreviewInput& input,
                      std::string_view caption) {
    svg.Raw("<g id=\"before\">\n");
    WriteFrame(svg, layout);
    PanelDrawer before(layout);
    VisitFigures(input.drawing, FigureSelection::All, before);
    svg.Raw("<g clip-path=\"url(#panel)\">\n");
    before.WriteBelowHatch(svg);
    before.WriteAboveHatch(svg);
    svg.Raw("</g>\n");
    WriteCaption(svg, layout, "Before", caption);
    svg.Raw("</g>\n");
}

// The hatched solids' faint outlines come first, under the figures written back and the hatch.
void WriteAfterPanel(SvgWriter& svg, const Layout& layout, const PreviewInput& input,
                     const ConvertedDrawing& converted, std::string_view caption) {
    svg.Raw("<g id=\"after\" transform=\"translate(")
        .Number(layout.panelWidth + layout.gap)
        .Raw(" 0)\">\n");
    WriteFrame(svg, layout);
    PanelDrawer after(layout);
    VisitFigures(input.drawing, FigureSelection::HatchedSolidOutlines, after);
    VisitFigures(*converted.store, FigureSelection::All, after);
    svg.Raw("<g clip-path=\"url(#panel)\">\n");
    after.WriteBelowHatch(svg);
    WriteHatchSegments(svg, converted.hatch, layout.unit);
    after.WriteAboveHatch(svg);
    svg.Raw("</g>\n");
    WriteCaption(svg, layout, "After", caption);
    svg.Raw("</g>\n");
}

// Both panels share one scale: the bounds cover the figures before and after.
PlaneBox PictureBounds(const PreviewInput& input, const ConvertedDrawing& converted) {
    PlaneBox bounds;
    BoundsVisitor boundsVisitor(bounds);
    VisitFigures(input.drawing, FigureSelection::All, boundsVisitor);
    if (converted.store == nullptr) return bounds;
    VisitFigures(*converted.store, FigureSelection::All, boundsVisitor);
    for (std::size_t i = 0; i < converted.hatch.Count(); ++i) {
        const HatchPiece& piece = converted.hatch[i];
        if (IsDrawable(piece.x1) && IsDrawable(piece.y1) && IsDrawable(piece.x2) &&
            IsDrawable(piece.y2)) {
            bounds.Take({piece.x1, piece.y1});
            bounds.Take({piece.x2, piece.y2});
        }
    }
    return bounds;
}

class FileSink final : public SvgSink {
public:
    explicit FileSink(AtomicFileWriter& writer) : writer_(writer) {}
    void Accept(std::string_view bytes) override { writer_.Write(bytes); }

private:
    AtomicFileWriter& writer_;
};

}  // namespace

void RenderPreviewSvg(const PreviewInput& input, SvgSink& sink) {
    ConvertedDrawing converted;
    if (input.output != nullptr)
        converted = ReadConvertedDrawing(input.drawing, *input.output, input.firstHatchLine);
    const bool hasAfter = converted.store != nullptr;

    const Layout layout = MakeLayout(PictureBounds(input, converted), hasAfter ? 2 : 1);

    SvgWriter svg(sink);
    WriteHead(svg, layout);
    const std::string facts = Facts(input);
    if (hasAfter) {
        WriteBeforePanel(svg, layout, input, facts);
        const std::string hatch =
            Counted(converted.hatch.Count(), "hatch segment", "hatch segments");
        WriteAfterPanel(svg, layout, input, converted, facts + std::string(kSeparator) + hatch);
        ReleaseStore(*converted.store);
    } else {
        WriteBeforePanel(svg, layout, input, facts + std::string(kSeparator) + "not converted");
    }
    svg.Raw("</svg>\n");
    svg.Flush();
}

std::error_code WritePreviewSvg(const std::filesystem::path& path, const PreviewInput& input) {
    // A folder in the way is found before the picture is drawn in vain.
    std::error_code status;
    if (std::filesystem::is_directory(path, status))
        return std::make_error_code(std::errc::is_a_directory);
    AtomicFileWriter writer(path);
    if (!writer.IsOpen()) return writer.Commit();  // why the temporary file could not be opened
    FileSink sink(writer);
    RenderPreviewSvg(input, sink);
    return writer.Commit();
}

}  // namespace rv17
