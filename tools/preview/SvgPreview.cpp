// Laying out and writing the before/after preview picture.
#include "SvgPreview.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <map>
#include <numbers>
#include <string>
#include <vector>

#include "ConvertedDrawing.h"
#include "FileAccess.h"
#include "PreviewFigures.h"
#include "ShiftJis.h"

namespace {

// Sizes in picture pixels; the drawing is scaled so that each panel fits a
// square of kPanelPixels.
constexpr double kPanelPixels = 760.0;
constexpr double kOuterPixels = 12.0;
constexpr double kGapPixels = 24.0;
constexpr double kCaptionBandPixels = 34.0;
constexpr double kCaptionFontPixels = 14.0;
constexpr double kLabelFontPixels = 10.0;  // texts without a height of their own (block names)
constexpr double kFigureStrokePixels = 1.2;
constexpr double kHatchStrokePixels = 0.7;
constexpr double kOutlineStrokePixels = 1.0;
constexpr double kDotRadiusPixels = 1.8;
// Drawings narrower than this (in drawing units) are shown at this width.
constexpr double kMinimumExtent = 1.0;
constexpr double kMarginShare = 0.04;
// XML parsers refuse attribute values beyond 10 MB by default, so the hatch
// segments of one colour go into paths of at most this many segments (about
// 2 MB each): still one element per colour for any ordinary drawing.
constexpr std::size_t kHatchSegmentsPerPath = 50'000;

constexpr RgbHex kFrameColour = 0xC8C8C8;
constexpr RgbHex kCaptionColour = 0x303030;

struct Bounds {
    bool empty = true;
    double minX = 0.0, minY = 0.0, maxX = 0.0, maxY = 0.0;

    void Add(PlanePoint p) {
        if (empty) {
            minX = maxX = p.X;
            minY = maxY = p.Y;
            empty = false;
            return;
        }
        minX = std::min(minX, p.X), maxX = std::max(maxX, p.X);
        minY = std::min(minY, p.Y), maxY = std::max(maxY, p.Y);
    }
};

class BoundsVisitor final : public FigureVisitor {
public:
    explicit BoundsVisitor(Bounds& bounds) : bounds_(bounds) {}
    void Fill(const PreviewShape& shape, RgbHex) override { AddAll(shape.points.data(), shape.points.size()); }
    void Outline(const PreviewShape& shape, RgbHex) override { AddAll(shape.points.data(), shape.points.size()); }
    void Stroke(const PlanePoint* points, std::size_t count, RgbHex) override { AddAll(points, count); }
    void Dot(PlanePoint at, RgbHex) override { bounds_.Add(at); }
    // The corners of the text's box, turned by its angle.
    void Label(const PlacedText& text, RgbHex) override {
        bounds_.Add(text.at);
        if (text.height <= 0.0) return;
        const double c = std::cos(text.angle), s = std::sin(text.angle);
        const double w = text.width, h = text.height;
        bounds_.Add({text.at.X + w * c, text.at.Y + w * s});
        bounds_.Add({text.at.X - h * s, text.at.Y + h * c});
        bounds_.Add({text.at.X + w * c - h * s, text.at.Y + w * s + h * c});
    }

private:
    void AddAll(const PlanePoint* points, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) bounds_.Add(points[i]);
    }
    Bounds& bounds_;
};

bool IsDrawableSegment(const LineRecord& line) noexcept {
    return IsDrawable(line.x1) && IsDrawable(line.y1) && IsDrawable(line.x2) && IsDrawable(line.y2);
}

// Where everything goes, in drawing units; the picture's y is the drawing's -y.
struct Layout {
    double left = 0.0, bottom = 0.0;  // lower left corner of the first panel
    double panelWidth = 0.0, panelHeight = 0.0;
    double unit = 1.0;  // drawing units per picture pixel
    double gap = 0.0, outer = 0.0, captionBand = 0.0;
    int panels = 1;

    double PanelTop() const { return bottom + panelHeight; }
    double TotalWidth() const { return panels * panelWidth + (panels - 1) * gap + 2.0 * outer; }
    double TotalHeight() const { return panelHeight + captionBand + 2.0 * outer; }
};

Layout MakeLayout(Bounds bounds, int panels) {
    if (bounds.empty) bounds.Add({0.0, 0.0}), bounds.Add({100.0, 100.0});
    double width = bounds.maxX - bounds.minX;
    double height = bounds.maxY - bounds.minY;
    // A drawing that is a single point or a line along one axis still gets a panel.
    const double extent = std::max({width, height, kMinimumExtent});
    const double thinnest = extent / 20.0;
    const double centreX = (bounds.minX + bounds.maxX) / 2.0;
    const double centreY = (bounds.minY + bounds.maxY) / 2.0;
    width = std::max(width, thinnest);
    height = std::max(height, thinnest);
    const double margin = extent * kMarginShare;

    Layout layout;
    layout.panels = panels;
    layout.panelWidth = width + 2.0 * margin;
    layout.panelHeight = height + 2.0 * margin;
    layout.left = centreX - layout.panelWidth / 2.0;
    layout.bottom = centreY - layout.panelHeight / 2.0;
    layout.unit = std::max(layout.panelWidth, layout.panelHeight) / kPanelPixels;
    layout.gap = kGapPixels * layout.unit;
    layout.outer = kOuterPixels * layout.unit;
    layout.captionBand = kCaptionBandPixels * layout.unit;
    return layout;
}

void AppendPoint(std::string& out, PlanePoint p) {
    AppendNumber(out, p.X);
    out += ' ';
    AppendNumber(out, -p.Y);
}

// The picture's part of one panel, gathered by kind so that fills lie under
// strokes, strokes under dots and everything under texts, and so that strokes
// of one colour share one path.
class PanelDrawer final : public FigureVisitor {
public:
    explicit PanelDrawer(const Layout& layout) : layout_(layout), labelWriter_(labelSink_) {}

    void Fill(const PreviewShape& shape, RgbHex colour) override {
        fills_ += "<path fill=\"";
        AppendColour(fills_, colour);
        fills_ += shape.evenOdd ? "\" fill-rule=\"evenodd\" d=\"" : "\" d=\"";
        AppendShape(fills_, shape);
        fills_ += "\"/>\n";
    }

    void Outline(const PreviewShape& shape, RgbHex colour) override { AppendShape(outlines_[colour], shape); }

    void Stroke(const PlanePoint* points, std::size_t count, RgbHex colour) override {
        std::string& path = strokes_[colour];
        for (std::size_t i = 0; i < count; ++i) {
            path += i == 0 ? 'M' : 'L';
            AppendPoint(path, points[i]);
        }
    }

    // A filled circle of two half-circle arcs.
    void Dot(PlanePoint at, RgbHex colour) override {
        std::string& path = dots_[colour];
        const double r = kDotRadiusPixels * layout_.unit;
        path += 'M';
        AppendPoint(path, {at.X - r, at.Y});
        path += 'a';
        AppendRadii(path, r);
        AppendNumber(path, 2.0 * r);
        path += " 0a";
        AppendRadii(path, r);
        AppendNumber(path, -2.0 * r);
        path += " 0Z";
    }

    void Label(const PlacedText& text, RgbHex colour) override {
        const double size = text.height > 0.0 ? text.height : kLabelFontPixels * layout_.unit;
        labelWriter_.Raw("<text x=\"").Number(text.at.X).Raw("\" y=\"").Number(-text.at.Y);
        labelWriter_.Raw("\" font-size=\"").Number(size).Raw("\" fill=\"").Colour(colour).Char('"');
        const double degrees = text.angle * 180.0 / std::numbers::pi;
        if (std::fabs(degrees) >= 1e-4 && IsDrawable(degrees)) {
            labelWriter_.Raw(" transform=\"rotate(").Number(-degrees).Char(' ').Number(text.at.X);
            labelWriter_.Char(' ').Number(-text.at.Y).Raw(")\"");
        }
        labelWriter_.Char('>').Text(ShiftJisToUtf8(text.shiftJis)).Raw("</text>\n");
    }

    // Writes the panel's contents; hatch, when given, goes between the strokes and the dots.
    template <class HatchWriter>
    void Write(SvgWriter& svg, HatchWriter&& hatch) {
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
        hatch(svg);
        svg.Raw("<g stroke=\"none\">\n");
        WritePaths(svg, dots_, "fill");
        svg.Raw("</g>\n");
        labelWriter_.Flush();
        svg.Raw("<g font-family=\"sans-serif\" xml:space=\"preserve\">\n").Raw(labels_).Raw("</g>\n");
    }

private:
    static void AppendColour(std::string& out, RgbHex colour) {
        StringSink sink(out);
        SvgWriter(sink).Colour(colour);
    }

    static void AppendShape(std::string& out, const PreviewShape& shape) {
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

    static void AppendRadii(std::string& out, double r) {
        AppendNumber(out, r);
        out += ' ';
        AppendNumber(out, r);
        out += " 0 1 0 ";
    }

    static void WritePaths(SvgWriter& svg, const std::map<RgbHex, std::string>& paths, std::string_view paint) {
        for (const auto& [colour, data] : paths) {
            svg.Raw("<path ").Raw(paint).Raw("=\"").Colour(colour).Raw("\" d=\"").Raw(data).Raw("\"/>\n");
        }
    }

    const Layout& layout_;
    std::string fills_;
    std::map<RgbHex, std::string> outlines_;
    std::map<RgbHex, std::string> strokes_;
    std::map<RgbHex, std::string> dots_;
    std::string labels_;
    StringSink labelSink_{labels_};
    SvgWriter labelWriter_;
};

// The hatch segments grouped by colour (a counting sort keeps each colour's
// segments in output order), one path per colour.
void WriteHatchSegments(SvgWriter& svg, const ConvertedDrawing& converted, double unit) {
    const EntityStore& store = *converted.store;
    const std::size_t first = converted.firstHatchLine;
    const std::size_t count = store.lines.Count();

    std::map<RgbHex, std::size_t> bucketOf;
    std::vector<std::uint32_t> bucket(count - first);
    RgbHex lastColour = 0;
    std::size_t lastBucket = 0;
    bool haveLast = false;
    for (std::size_t i = first; i < count; ++i) {
        const RgbHex colour = PaletteColour(store.lines[i].header.colour);
        if (!haveLast || colour != lastColour) {
            lastBucket = bucketOf.emplace(colour, bucketOf.size()).first->second;
            lastColour = colour, haveLast = true;
        }
        bucket[i - first] = static_cast<std::uint32_t>(lastBucket);
    }
    std::vector<std::size_t> start(bucketOf.size() + 1, 0);
    for (const std::uint32_t b : bucket) ++start[b + 1];
    for (std::size_t b = 1; b < start.size(); ++b) start[b] += start[b - 1];
    std::vector<std::uint32_t> order(bucket.size());
    {
        std::vector<std::size_t> next(start.begin(), start.end() - 1);
        for (std::size_t i = 0; i < bucket.size(); ++i) order[next[bucket[i]]++] = static_cast<std::uint32_t>(i);
    }

    svg.Raw("<g fill=\"none\" stroke-width=\"").Number(kHatchStrokePixels * unit).Raw("\">\n");
    for (const auto& [colour, b] : bucketOf) {
        std::size_t inPath = 0;
        for (std::size_t k = start[b]; k < start[b + 1]; ++k) {
            const LineRecord& line = store.lines[first + order[k]];
            if (!IsDrawableSegment(line)) continue;
            if (inPath == kHatchSegmentsPerPath) {
                svg.Raw("\"/>\n");
                inPath = 0;
            }
            if (inPath == 0) svg.Raw("<path class=\"hatch\" stroke=\"").Colour(colour).Raw("\" d=\"");
            svg.Char('M').Number(line.x1).Char(' ').Number(-line.y1).Char(' ').Number(line.x2).Char(' ').Number(-line.y2);
            ++inPath;
        }
        if (inPath > 0) svg.Raw("\"/>\n");
    }
    svg.Raw("</g>\n");
}

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

constexpr std::string_view kSeparator = " \xC2\xB7 ";  // a middle dot between blanks
constexpr std::string_view kDegree = "\xC2\xB0";

void WriteCaption(SvgWriter& svg, const Layout& layout, double x, std::string_view title, std::string_view rest) {
    // Long file names shrink the caption rather than run past the panel.
    const double characters = static_cast<double>(CodePoints(title) + CodePoints(rest));
    const double fitting = layout.panelWidth / (0.56 * std::max(characters, 1.0));
    const double size = std::min(kCaptionFontPixels * layout.unit, fitting);
    const double y = -layout.bottom + layout.captionBand * 0.62;
    svg.Raw("<text x=\"").Number(x).Raw("\" y=\"").Number(y).Raw("\" font-size=\"").Number(size);
    svg.Raw("\" font-family=\"sans-serif\" fill=\"").Colour(kCaptionColour).Raw("\"><tspan font-weight=\"bold\">");
    svg.Text(title).Raw("</tspan>").Text(rest).Raw("</text>\n");
}

void WriteFrame(SvgWriter& svg, const Layout& layout) {
    svg.Raw("<rect x=\"").Number(layout.left).Raw("\" y=\"").Number(-layout.PanelTop());
    svg.Raw("\" width=\"").Number(layout.panelWidth).Raw("\" height=\"").Number(layout.panelHeight);
    svg.Raw("\" fill=\"none\" stroke=\"").Colour(kFrameColour).Raw("\" stroke-width=\"").Number(layout.unit);
    svg.Raw("\"/>\n");
}

}  // namespace

void RenderPreviewSvg(const PreviewInput& input, SvgSink& sink) {
    const EntityStore& drawing = input.drawing;
    ConvertedDrawing converted;
    if (input.output != nullptr) converted = ReadConvertedDrawing(drawing, *input.output);
    const bool hasAfter = converted.store != nullptr;

    Bounds bounds;
    BoundsVisitor boundsVisitor(bounds);
    VisitFigures(drawing, {}, boundsVisitor);
    if (hasAfter) {
        VisitFigures(*converted.store, {}, boundsVisitor);  // hatch segments included
    }
    const Layout layout = MakeLayout(bounds, hasAfter ? 2 : 1);
    const double u = layout.unit;

    SvgWriter svg(sink);
    const double viewLeft = layout.left - layout.outer;
    const double viewTop = -layout.PanelTop() - layout.outer;
    svg.Raw("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    svg.Raw("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"").Number(layout.TotalWidth() / u);
    svg.Raw("\" height=\"").Number(layout.TotalHeight() / u).Raw("\" viewBox=\"").Number(viewLeft).Char(' ');
    svg.Number(viewTop).Char(' ').Number(layout.TotalWidth()).Char(' ').Number(layout.TotalHeight()).Raw("\">\n");
    svg.Raw("<defs><clipPath id=\"panel\"><rect x=\"").Number(layout.left).Raw("\" y=\"").Number(-layout.PanelTop());
    svg.Raw("\" width=\"").Number(layout.panelWidth).Raw("\" height=\"").Number(layout.panelHeight);
    svg.Raw("\"/></clipPath></defs>\n");
    svg.Raw("<rect x=\"").Number(viewLeft).Raw("\" y=\"").Number(viewTop).Raw("\" width=\"");
    svg.Number(layout.TotalWidth()).Raw("\" height=\"").Number(layout.TotalHeight()).Raw("\" fill=\"#ffffff\"/>\n");

    std::string facts;
    facts += kSeparator;
    facts += input.fileName;
    facts += kSeparator;
    facts += Counted(static_cast<std::size_t>(std::max(SolidCount(drawing), 0)), "solid", "solids");
    facts += kSeparator;
    facts += "interval ";
    facts += input.interval;
    facts += kSeparator;
    facts += "angle ";
    facts += input.angleDegrees;
    facts += kDegree;

    svg.Raw("<g id=\"before\">\n");
    WriteFrame(svg, layout);
    {
        PanelDrawer before(layout);
        VisitFigures(drawing, {}, before);
        svg.Raw("<g clip-path=\"url(#panel)\">\n");
        before.Write(svg, [](SvgWriter&) {});
        svg.Raw("</g>\n");
    }
    WriteCaption(svg, layout, layout.left, "Before", hasAfter ? facts : facts + std::string(kSeparator) + "not converted");
    svg.Raw("</g>\n");

    if (hasAfter) {
        svg.Raw("<g id=\"after\" transform=\"translate(").Number(layout.panelWidth + layout.gap).Raw(" 0)\">\n");
        WriteFrame(svg, layout);
        PanelDrawer after(layout);
        FigureSelection outlines;
        outlines.hatchedSolidOutlinesOnly = true;
        VisitFigures(drawing, outlines, after);
        FigureSelection written;
        written.firstHatchLine = converted.firstHatchLine;
        VisitFigures(*converted.store, written, after);
        svg.Raw("<g clip-path=\"url(#panel)\">\n");
        after.Write(svg, [&](SvgWriter& out) { WriteHatchSegments(out, converted, u); });
        svg.Raw("</g>\n");
        WriteCaption(svg, layout, layout.left, "After",
                     facts + std::string(kSeparator) +
                         Counted(converted.hatchSegmentCount, "hatch segment", "hatch segments"));
        svg.Raw("</g>\n");
        ReleaseStore(*converted.store);
    }
    svg.Raw("</svg>\n");
    svg.Flush();
}

namespace {

class FileSink final : public SvgSink {
public:
    explicit FileSink(AtomicFileWriter& writer) : writer_(writer) {}
    void Accept(std::string_view bytes) override { writer_.Write(bytes); }

private:
    AtomicFileWriter& writer_;
};

std::error_code LastSystemError() {
    const int code = errno;
    return code != 0 ? std::error_code(code, std::generic_category()) : std::make_error_code(std::errc::io_error);
}

}  // namespace

bool WritePreviewSvg(const std::filesystem::path& path, const PreviewInput& input, std::error_code& error) {
    error.clear();
    std::error_code status;
    if (std::filesystem::is_directory(path, status)) {
        error = std::make_error_code(std::errc::is_a_directory);
        return false;
    }
    errno = 0;
    AtomicFileWriter writer(path);
    if (!writer.IsOpen()) {
        error = LastSystemError();
        return false;
    }
    FileSink sink(writer);
    RenderPreviewSvg(input, sink);
    errno = 0;
    if (!writer.Commit()) {
        error = LastSystemError();
        return false;
    }
    return true;
}
