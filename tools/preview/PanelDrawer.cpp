// One panel of the preview picture: its figures and its hatch segments as SVG.
#include "tools/preview/PanelDrawer.h"

#include <cmath>
#include <vector>

#include "geometry/Pi.h"
#include "ui/ShiftJis.h"

namespace rv17 {

namespace {

// XML parsers refuse attribute values beyond 10 MB by default, so the hatch
// segments of one colour go into paths of at most this many segments (about
// 2 MB each): still one element per colour for any ordinary drawing.
constexpr std::size_t kHatchSegmentsPerPath = 50'000;

// The picture's y is the drawing's -y, so that y points up in the drawing.
void AppendPoint(std::string& out, PlanePoint p) {
    AppendNumber(out, p.X);
    out += ' ';
    AppendNumber(out, -p.Y);
}

void AppendColour(std::string& out, RgbHex colour) {
    StringSink sink(out);
    SvgWriter(sink).Colour(colour);
}

void AppendShape(std::string& out, const PreviewShape& shape) {
    std::size_t begin = 0;
    for (const std::size_t end : shape.loopEnds) {
        for (std::size_t i = begin; i < end; ++i) {
            out += i == begin ? 'M' : 'L';
            AppendPoint(out, shape.points[i]);
        }
        if (end > begin) out += 'Z';
        begin = end;
    }
}

// The radii, rotation and flags of a half-circle arc command.
void AppendHalfCircleArc(std::string& out, double r) {
    AppendNumber(out, r);
    out += ' ';
    AppendNumber(out, r);
    out += " 0 1 0 ";
}

void WritePaths(SvgWriter& svg, const std::map<RgbHex, std::string>& paths,
                std::string_view paint) {
    for (const auto& [colour, data] : paths) {
        svg.Raw("<path ").Raw(paint).Raw("=\"").Colour(colour).Raw("\" d=\"").Raw(data).Raw(
            "\"/>\n");
    }
}

bool IsDrawableSegment(const HatchPiece& piece) noexcept {
    return IsDrawable(piece.x1) && IsDrawable(piece.y1) && IsDrawable(piece.x2) &&
           IsDrawable(piece.y2);
}

}  // namespace

PanelDrawer::PanelDrawer(const Layout& layout) : layout_(layout), labelWriter_(labelSink_) {}

void PanelDrawer::Fill(const PreviewShape& shape, RgbHex colour) {
    fills_ += "<path fill=\"";
    AppendColour(fills_, colour);
    fills_ += shape.evenOdd ? "\" fill-rule=\"evenodd\" d=\"" : "\" d=\"";
    AppendShape(fills_, shape);
    fills_ += "\"/>\n";
}

void PanelDrawer::Outline(const PreviewShape& shape, RgbHex colour) {
    AppendShape(outlines_[colour], shape);
}

void PanelDrawer::Stroke(const PlanePoint* points, std::size_t count, RgbHex colour) {
    std::string& path = strokes_[colour];
    for (std::size_t i = 0; i < count; ++i) {
        path += i == 0 ? 'M' : 'L';
        AppendPoint(path, points[i]);
    }
}

// A filled circle of two half-circle arcs.
void PanelDrawer::Dot(PlanePoint at, RgbHex colour) {
    std::string& path = dots_[colour];
    const double r = kDotRadiusPixels * layout_.unit;
    path += 'M';
    AppendPoint(path, {at.X - r, at.Y});
    path += 'a';
    AppendHalfCircleArc(path, r);
    AppendNumber(path, 2.0 * r);
    path += " 0a";
    AppendHalfCircleArc(path, r);
    AppendNumber(path, -2.0 * r);
    path += " 0Z";
}

void PanelDrawer::Label(const PlacedText& text, RgbHex colour) {
    const double size = text.height > 0.0 ? text.height : kLabelFontPixels * layout_.unit;
    labelWriter_.Raw("<text x=\"").Number(text.at.X).Raw("\" y=\"").Number(-text.at.Y);
    labelWriter_.Raw("\" font-size=\"").Number(size).Raw("\" fill=\"").Colour(colour).Char('"');
    // SVG turns clockwise with its y pointing down.
    const double degrees = text.angle * 180.0 / kPi;
    if (std::fabs(degrees) >= 1e-4 && IsDrawable(degrees)) {
        labelWriter_.Raw(" transform=\"rotate(").Number(-degrees).Char(' ').Number(text.at.X);
        labelWriter_.Char(' ').Number(-text.at.Y).Raw(")\"");
    }
    labelWriter_.Char('>').Text(ShiftJisToUtf8(text.shiftJis)).Raw("</text>\n");
}

void PanelDrawer::WriteBelowHatch(SvgWriter& svg) {
    const double u = layout_.unit;
    svg.Raw("<g stroke=\"none\">\n").Raw(fills_).Raw("</g>\n");
    svg.Raw("<g fill=\"none\" stroke-opacity=\"0.6\" stroke-linejoin=\"round\" stroke-width=\"")
        .Number(kOutlineStrokePixels * u)
        .Raw("\" stroke-dasharray=\"")
        .Number(4.0 * u)
        .Char(' ')
        .Number(2.5 * u)
        .Raw("\">\n");
    WritePaths(svg, outlines_, "stroke");
    svg.Raw("</g>\n");
    svg.Raw("<g fill=\"none\" stroke-linecap=\"round\" stroke-linejoin=\"round\" stroke-width=\"")
        .Number(kFigureStrokePixels * u)
        .Raw("\">\n");
    WritePaths(svg, strokes_, "stroke");
    svg.Raw("</g>\n");
}

void PanelDrawer::WriteAboveHatch(SvgWriter& svg) {
    svg.Raw("<g stroke=\"none\">\n");
    WritePaths(svg, dots_, "fill");
    svg.Raw("</g>\n");
    labelWriter_.Flush();
    svg.Raw("<g font-family=\"sans-serif\" xml:space=\"preserve\">\n").Raw(labels_).Raw("</g>\n");
}

// A counting sort by colour keeps each colour's segments in output order.
void WriteHatchSegments(SvgWriter& svg, const BlockList<HatchPiece>& hatch, double unit) {
    const std::size_t count = hatch.Count();
    std::map<RgbHex, std::uint32_t> bucketOf;
    std::vector<std::uint32_t> bucket(count);
    RgbHex lastColour = 0;
    std::uint32_t lastBucket = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const RgbHex colour = PaletteColour(hatch[i].colour);
        if (i == 0 || colour != lastColour) {
            lastBucket =
                bucketOf.emplace(colour, static_cast<std::uint32_t>(bucketOf.size())).first->second;
            lastColour = colour;
        }
        bucket[i] = lastBucket;
    }
    std::vector<std::size_t> start(bucketOf.size() + 1, 0);
    for (const std::uint32_t b : bucket) ++start[b + 1];
    for (std::size_t b = 1; b < start.size(); ++b) start[b] += start[b - 1];
    std::vector<std::size_t> next(start.begin(), start.end() - 1);
    std::vector<std::uint32_t> order(count);
    for (std::size_t i = 0; i < count; ++i)
        order[next[bucket[i]]++] = static_cast<std::uint32_t>(i);

    svg.Raw("<g fill=\"none\" stroke-width=\"").Number(kHatchStrokePixels * unit).Raw("\">\n");
    for (const auto& [colour, b] : bucketOf) {
        std::size_t inPath = 0;
        for (std::size_t k = start[b]; k < start[b + 1]; ++k) {
            const HatchPiece& piece = hatch[order[k]];
            if (!IsDrawableSegment(piece)) continue;
            if (inPath == kHatchSegmentsPerPath) {
                svg.Raw("\"/>\n");
                inPath = 0;
            }
            if (inPath == 0)
                svg.Raw("<path class=\"hatch\" stroke=\"").Colour(colour).Raw("\" d=\"");
            svg.Char('M').Number(piece.x1).Char(' ').Number(-piece.y1);
            svg.Char(' ').Number(piece.x2).Char(' ').Number(-piece.y2);
            ++inPath;
        }
        if (inPath > 0) svg.Raw("\"/>\n");
    }
    svg.Raw("</g>\n");
}

}  // namespace rv17
