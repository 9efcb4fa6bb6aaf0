// Reading a drawing, writing it back and reading the result gives the same
// figures, apart from what the write rules change or drop on purpose.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "exchange/FileAccess.h"
#include "exchange/JwwGaibu.h"
#include "geometry/TextConversions.h"
#include "tests/support/TestFolder.h"

namespace rv17 {

namespace {

using Lines = std::vector<std::string>;

// The input as a literal that can be pasted into a regression case.
std::string AsLiteral(const Lines& lines) {
    std::ostringstream out;
    out << "{";
    for (const std::string& line : lines) {
        out << "\n    \"";
        for (unsigned char c : line) {
            if (c == '"' || c == '\\') {
                out << '\\' << c;
            } else if (c >= 0x20 && c < 0x7F) {
                out << c;
            } else {
                const char* hex = "0123456789ABCDEF";
                out << "\\x" << hex[c >> 4] << hex[c & 15] << "\" \"";
            }
        }
        out << "\",";
    }
    out << "\n}";
    return out.str();
}

// Reads the lines as the host's file, as the run does before converting.
void ReadInput(EntityStore& store, const Lines& input) {
    InitialiseStore(store);
    ExchangeReader reader(store);
    for (const std::string& line : input) reader.Line(line);
}

// The output of a conversion without solids: header lines and the write-back.
void WriteOutput(OutputWriter& writer) {
    writer.Line("hd");
    if (writer.Drawing().bzFlag) writer.Line("bz");
    WriteBackEntities(writer);
}

// Writes the store's drawing back to a file and returns the file's bytes; the
// file is then read into next.
std::string WriteAndReread(EntityStore& store, const TestFolder& folder, EntityStore& next) {
    OutputWriter writer(store);
    WriteOutput(writer);
    const auto path = folder.Path() / "JWC_TEMP.TXT";
    EXPECT_EQ(SaveExchangeFile(writer.Lines(), path), std::error_code());
    InitialiseStore(next);
    EXPECT_TRUE(ReadExchangeFile(next, path));
    return ReadWholeFile(path).bytes;
}

// ---- What the write rules do to a record ----

bool Near(double a, double b, bool inclusive) {
    return inclusive ? std::fabs(a - b) <= 1e-8 : std::fabs(a - b) < 1e-8;
}
bool EndsCoincide(double x1, double y1, double x2, double y2) {
    return Near(x1, x2, false) && Near(y1, y2, false);
}
bool DirectionZero(double dx, double dy) { return Near(dx, 0, true) && Near(dy, 0, true); }
bool Blank(const ShortText& text) { return RemoveBlanks(text.View()).empty(); }

bool IsWritten(const EntityStore& s, EntityOrderEntry entry) {
    const auto i = static_cast<std::size_t>(entry.index);
    switch (entry.kind) {
        case EntityKind::Line: {
            const auto& r = s.lines[i];
            return !EndsCoincide(r.x1, r.y1, r.x2, r.y2);
        }
        case EntityKind::Circle:
            return s.circles[i].radius > 1e-8;
        case EntityKind::Arc:
            return s.arcs[i].radius > 1e-8 && !Near(s.arcs[i].arcValue6, 0, true);
        case EntityKind::Text:
            return !DirectionZero(s.texts[i].dx, s.texts[i].dy) && !Blank(s.texts[i].text);
        case EntityKind::Point:
        case EntityKind::PointEx:
            return true;
        case EntityKind::Dimension: {
            const auto& d = s.dimensions[i];
            return !EndsCoincide(d.line.x1, d.line.y1, d.line.x2, d.line.y2) &&
                   !DirectionZero(d.text.dx, d.text.dy);
        }
        case EntityKind::SolidSegment: {
            const auto& r = s.solidSegments[i];
            return !EndsCoincide(r.x1, r.y1, r.x2, r.y2);
        }
        case EntityKind::SeCircleSolid: {
            const auto& r = s.seCircleSolids[i];
            return r.radius > 1e-8 && !Near(r.flatness, 0, true) &&
                   (r.solidMode == 0 || r.solidMode == 100);
        }
        default:
            return false;  // blocks and hatchable solids
    }
}

std::int32_t WrittenZFlags(std::int32_t z) { return (z & 7) | ((z & 16) ? 16 : (z & 8)); }

std::int32_t WrittenWidth(const EntityStore& s, std::int32_t width) {
    if (!s.lineWidthSeen) return 0;
    if (width == -1) width = s.initial.initialLineWidth;
    return width < 0 || width > 30000 ? 0 : width;
}

// Compares one record field by field and collects the differences.
class RecordComparison {
public:
    RecordComparison(const EntityStore& before, const EntityStore& after)
        : before_(before), after_(after) {}

    void Real(const char* field, double was, double is) {
        if (RealText(was) != RealText(is)) Note(field, RealText(was), RealText(is));
    }
    void Integer(const char* field, std::int64_t was, std::int64_t is) {
        if (was != is) Note(field, std::to_string(was), std::to_string(is));
    }
    void Text(const char* field, std::string_view was, std::string_view is) {
        if (was != is) Note(field, std::string(was), std::string(is));
    }
    const std::string& Differences() const { return differences_; }

    // Layer group, layer (kind 13 goes to layer 1), z flags and point reference.
    void Placement(const EntityHeader& was, const EntityHeader& is, bool seSolid) {
        Integer("layerGroup", was.layerGroup, is.layerGroup);
        Integer("layer", seSolid ? 1 : was.layer, is.layer);
        Integer("zFlags", WrittenZFlags(was.zFlags), is.zFlags);
        Integer("pointRef", 0, is.pointRef);  // "hhp" is not written back
    }
    void Pen(const EntityHeader& was, const EntityHeader& is) {
        Integer("colour", was.colour, is.colour);
        Integer("lineType", was.lineType, is.lineType);
        Width(was, is);
    }
    void Width(const EntityHeader& was, const EntityHeader& is) {
        Integer("lineWidth", WrittenWidth(before_, was.lineWidth), is.lineWidth);
    }
    // Size, colour, cc value, font, kind, placement and text of a text.
    void TextPart(const TextRecord& was, const TextRecord& is, std::string_view expectedText) {
        std::int32_t sizeNo = was.sizeNo;
        TextSize size{was.charWidth, was.charHeight, was.charSpacing, was.header.colour};
        if (sizeNo < 0 || sizeNo > 10) {
            sizeNo = before_.initial.initialSizeNo;
            if (sizeNo == 0) size = before_.initial.initialFreeSize;
        }
        Integer("sizeNo", sizeNo, is.sizeNo);
        if (sizeNo >= 1 && sizeNo <= 10) {
            // A size number takes the reading side's size table.
            size = after_.TextSizeTable[static_cast<std::size_t>(sizeNo)];
        }
        if (sizeNo >= 0 && sizeNo <= 10) {
            Real("charWidth", size.charWidth, is.charWidth);
            Real("charHeight", size.charHeight, is.charHeight);
            Real("charSpacing", size.charSpacing, is.charSpacing);
            Integer("text colour", size.colour, is.header.colour);
        }
        Integer("ccValue", was.ccValue, is.ccValue);
        std::string_view font = was.fontName.View();
        if (font.empty() || font == "<>") font = before_.initial.initialFontName;
        const std::string fontLine = "cn\"$" + std::string(font);
        Text("fontName", CutToWholeCharacters(fontLine, 255).substr(4), is.fontName.View());
        Integer("textKind", was.textKind, is.textKind);
        Real("x", was.x, is.x);
        Real("y", was.y, is.y);
        Real("dx", was.dx, is.dx);
        Real("dy", was.dy, is.dy);
        Text("text", expectedText, is.text.View());
    }

private:
    void Note(const char* field, const std::string& was, const std::string& is) {
        differences_ += std::string(field) + ": " + was + " became " + is + "; ";
    }

    const EntityStore& before_;
    const EntityStore& after_;
    std::string differences_;
};

std::string CompareRecord(const EntityStore& a, EntityOrderEntry entryA, const EntityStore& b,
                          EntityOrderEntry entryB) {
    RecordComparison c(a, b);
    const auto i = static_cast<std::size_t>(entryA.index);
    const auto j = static_cast<std::size_t>(entryB.index);
    switch (entryA.kind) {
        case EntityKind::Line: {
            const auto &was = a.lines[i], &is = b.lines[j];
            c.Placement(was.header, is.header, false);
            c.Pen(was.header, is.header);
            c.Real("x1", was.x1, is.x1), c.Real("y1", was.y1, is.y1);
            c.Real("x2", was.x2, is.x2), c.Real("y2", was.y2, is.y2);
            break;
        }
        case EntityKind::Circle: {
            const auto &was = a.circles[i], &is = b.circles[j];
            c.Placement(was.header, is.header, false);
            c.Pen(was.header, is.header);
            c.Real("cx", was.cx, is.cx), c.Real("cy", was.cy, is.cy),
                c.Real("radius", was.radius, is.radius);
            break;
        }
        case EntityKind::Arc: {
            const auto &was = a.arcs[i], &is = b.arcs[j];
            c.Placement(was.header, is.header, false);
            c.Pen(was.header, is.header);
            c.Real("cx", was.cx, is.cx), c.Real("cy", was.cy, is.cy),
                c.Real("radius", was.radius, is.radius);
            c.Real("arcValue4", was.arcValue4, is.arcValue4),
                c.Real("arcValue5", was.arcValue5, is.arcValue5);
            c.Real("arcValue6", was.arcValue6, is.arcValue6),
                c.Real("arcValue7", was.arcValue7, is.arcValue7);
            break;
        }
        case EntityKind::Text: {
            const auto &was = a.texts[i], &is = b.texts[j];
            c.Placement(was.header, is.header, false);
            c.TextPart(was, is, was.text.View());
            break;
        }
        case EntityKind::Point: {
            const auto &was = a.points[i], &is = b.points[j];
            c.Placement(was.header, is.header, false);
            c.Integer("pointColour", was.header.colour, is.header.colour);
            c.Width(was.header, is.header);
            c.Real("x", was.x, is.x), c.Real("y", was.y, is.y);
            break;
        }
        case EntityKind::PointEx: {
            const auto &was = a.pointExs[i], &is = b.pointExs[j];
            c.Placement(was.header, is.header, false);
            c.Integer("pointColour", was.header.colour, is.header.colour);
            c.Width(was.header, is.header);
            c.Real("x", was.x, is.x), c.Real("y", was.y, is.y);
            c.Real("param3", std::fabs(was.param3) <= 1e-8 ? 1.0 : was.param3, is.param3);
            c.Real("param4", was.param4, is.param4);
            c.Integer("code", was.code < -7 || was.code > 11 ? -3 : was.code, is.code);
            break;
        }
        case EntityKind::Dimension: {
            const auto &was = a.dimensions[i], &is = b.dimensions[j];
            // The dimension's z flags stand before "msg", so the reader gives
            // them to the dimension's line.
            c.Integer("layerGroup", was.header.layerGroup, is.header.layerGroup);
            c.Integer("layer", was.header.layer, is.header.layer);
            c.Integer("zFlags", 0, is.header.zFlags);
            c.Integer("line layerGroup", was.header.layerGroup, is.line.header.layerGroup);
            c.Integer("line layer", was.header.layer, is.line.header.layer);
            c.Integer("line zFlags", WrittenZFlags(was.header.zFlags), is.line.header.zFlags);
            c.Pen(was.line.header, is.line.header);
            c.Real("x1", was.line.x1, is.line.x1), c.Real("y1", was.line.y1, is.line.y1);
            c.Real("x2", was.line.x2, is.line.x2), c.Real("y2", was.line.y2, is.line.y2);
            const std::string text =
                Blank(was.text.text)
                    ? RealText(MeasuredLength(was.line.x1, was.line.y1, was.line.x2, was.line.y2))
                    : std::string(was.text.text.View());
            c.TextPart(was.text, is.text, text);
            break;
        }
        case EntityKind::SolidSegment:
        case EntityKind::SeCircleSolid: {
            const bool se = entryA.kind == EntityKind::SeCircleSolid;
            const EntityHeader& wasHeader =
                se ? a.seCircleSolids[i].header : a.solidSegments[i].header;
            const EntityHeader& isHeader =
                se ? b.seCircleSolids[j].header : b.solidSegments[j].header;
            const std::int32_t wasRgb =
                se ? a.seCircleSolids[i].rgbColour : a.solidSegments[i].rgbColour;
            const std::int32_t isRgb =
                se ? b.seCircleSolids[j].rgbColour : b.solidSegments[j].rgbColour;
            c.Placement(wasHeader, isHeader, se);
            c.Integer("colour", wasHeader.colour, isHeader.colour);
            if (wasHeader.colour == 10)
                c.Integer("rgbColour", wasRgb < 0 || wasRgb > 0xFFFFFF ? 0 : wasRgb, isRgb);
            c.Width(wasHeader, isHeader);
            if (se) {
                const auto &was = a.seCircleSolids[i], &is = b.seCircleSolids[j];
                c.Real("cx", was.cx, is.cx), c.Real("cy", was.cy, is.cy),
                    c.Real("radius", was.radius, is.radius);
                c.Real("flatness", was.flatness, is.flatness), c.Real("tilt", was.tilt, is.tilt);
                c.Real("startAngle", was.startAngle, is.startAngle),
                    c.Real("arcAngle", was.arcAngle, is.arcAngle);
                c.Integer("solidMode", was.solidMode, is.solidMode);
            } else {
                const auto &was = a.solidSegments[i], &is = b.solidSegments[j];
                c.Real("x1", was.x1, is.x1), c.Real("y1", was.y1, is.y1);
                c.Real("x2", was.x2, is.x2), c.Real("y2", was.y2, is.y2);
            }
            break;
        }
        default:
            break;
    }
    return c.Differences();
}

// Numbers the unbroken runs of one curve in a: consecutive figures that are
// segments of the same curve number (not 0) and pen share a number; loose
// segments get 0.
class CurveRuns {
public:
    std::int32_t Next(const EntityStore& a, EntityOrderEntry entry) {
        const LineRecord* line = entry.kind == EntityKind::Line
                                     ? &a.lines[static_cast<std::size_t>(entry.index)]
                                     : nullptr;
        const bool continues = line != nullptr && previous_ != nullptr && line->polylineNo != 0 &&
                               line->polylineNo == previous_->polylineNo &&
                               line->header.layerGroup == previous_->header.layerGroup &&
                               line->header.layer == previous_->header.layer &&
                               line->header.colour == previous_->header.colour &&
                               line->header.lineType == previous_->header.lineType &&
                               line->header.lineWidth == previous_->header.lineWidth;
        if (line != nullptr && line->polylineNo != 0 && !continues) ++run_;
        previous_ = line;
        return line != nullptr && line->polylineNo != 0 ? run_ : 0;
    }

private:
    const LineRecord* previous_ = nullptr;
    std::int32_t run_ = 0;
};

// Checks that b holds exactly the written figures of a, in a's order, each
// with the values the write rules give it, and that every unbroken run of a
// curve in a is one curve of its own in b.
void ExpectSameFigures(const EntityStore& a, const EntityStore& b, const Lines& input) {
    std::size_t next = 0;
    CurveRuns runs;
    std::map<std::int32_t, std::int32_t> curveOfRun, runOfCurve;
    for (std::size_t k = 0; k < a.EntityOrder.Count(); ++k) {
        const EntityOrderEntry entryA = a.EntityOrder[k];
        const std::int32_t run = runs.Next(a, entryA);
        if (!IsWritten(a, entryA)) continue;
        ASSERT_LT(next, b.EntityOrder.Count())
            << "figure " << k << " missing; input " << AsLiteral(input);
        const EntityOrderEntry entryB = b.EntityOrder[next++];
        ASSERT_EQ(entryA.kind, entryB.kind) << "figure " << k << "; input " << AsLiteral(input);
        if (entryA.kind == EntityKind::Line) {
            const std::int32_t curve = b.lines[static_cast<std::size_t>(entryB.index)].polylineNo;
            EXPECT_EQ(curve == 0, run == 0) << "figure " << k << "; input " << AsLiteral(input);
            if (run != 0) {
                EXPECT_EQ(curveOfRun.try_emplace(run, curve).first->second, curve)
                    << "figure " << k << " left its curve; input " << AsLiteral(input);
                EXPECT_EQ(runOfCurve.try_emplace(curve, run).first->second, run)
                    << "figure " << k << " joined another curve; input " << AsLiteral(input);
            }
        }
        const std::string differences = CompareRecord(a, entryA, b, entryB);
        EXPECT_TRUE(differences.empty())
            << "figure " << k << " of kind " << static_cast<int>(entryA.kind) << ": " << differences
            << "input " << AsLiteral(input);
    }
    EXPECT_EQ(next, b.EntityOrder.Count()) << "extra figures; input " << AsLiteral(input);
    EXPECT_EQ(a.bzFlag, b.bzFlag);
}

// A font name that is empty or "<>" stands for the first font name of the
// file it is read from, so its meaning moves when the first name does.
bool HasRelativeFontNames(const EntityStore& s) {
    const auto relative = [](const ShortText& font) {
        return font.View().empty() || font.View() == "<>";
    };
    for (std::size_t i = 0; i < s.texts.Count(); ++i) {
        if (relative(s.texts[i].fontName)) return true;
    }
    for (std::size_t i = 0; i < s.dimensions.Count(); ++i) {
        if (relative(s.dimensions[i].text.fontName)) return true;
    }
    return false;
}

// ---- Generated drawings ----

class DrawingGenerator {
public:
    explicit DrawingGenerator(std::uint64_t seed) : random_(seed) {}

    Lines Generate(int figureCount) {
        lines_.clear();
        widths_ = Chance(0.5);
        if (Chance(0.3)) Add("bz");
        if (Chance(0.3)) Add("hcw 1 2 3 4 5 6 7 8 9 10");
        if (Chance(0.3)) Add("hcc 1 2 3 4 5 6 7 8 9 10");
        if (Chance(0.2)) Add("cn" + std::to_string(Uniform(-3, 14)));  // an odd first size number
        for (int i = 0; i < figureCount; ++i) {
            Attributes();
            Figure();
        }
        return lines_;
    }

private:
    bool Chance(double p) { return std::uniform_real_distribution<double>(0.0, 1.0)(random_) < p; }
    int Uniform(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }
    template <class T>
    const T& Pick(const std::vector<T>& values) {
        return values[static_cast<std::size_t>(Uniform(0, static_cast<int>(values.size()) - 1))];
    }
    void Add(std::string line) { lines_.push_back(std::move(line)); }

    static std::string Shortest(double value) {
        char buffer[64];
        return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
    }

    // Number texts as a host writes them: short decimals, full doubles,
    // exponent forms, zeros.
    std::string Real() {
        switch (Uniform(0, 9)) {
            case 0:
            case 1:
            case 2:
                return Shortest(Uniform(-2000000, 2000000) / 1000.0);
            case 3:
            case 4:
            case 5:
                return Shortest(std::uniform_real_distribution<double>(-1e4, 1e4)(random_));
            case 6:
                return std::to_string(Uniform(1, 99)) + "." + std::to_string(Uniform(0, 9)) + "E" +
                       std::to_string(Uniform(-40, 40));
            case 7:
                return Pick<std::string>(
                    {"0", "-0", "0.00000001", "-1e-9", "1E15", "999999999999999.5"});
            case 8:
                return Shortest(std::uniform_real_distribution<double>(-1e-3, 1e-3)(random_));
            default:
                return Shortest(std::uniform_real_distribution<double>(-1e18, 1e18)(random_));
        }
    }

    std::string Reals(int count) {
        std::string text;
        for (int i = 0; i < count; ++i) {
            text += ' ';
            text += Real();
        }
        return text;
    }

    // Shift-JIS text: ASCII, half-width kana, double-byte characters whose
    // second byte looks like a quote or a backslash, blanks and quotes.
    std::string TextContent() {
        if (Chance(0.1)) return Pick<std::string>({"", "   ", "\x81\x40 \x81\x40"});
        static const std::vector<std::string> pieces = {
            "a",        "Z",        "0",        " ",        "\"",       "=",
            "$",        "\\",       "\xB1",     "\xDF",     "\x82\xA0", "\x95\x5C",
            "\x83\x22", "\x81\x40", "\x88\x9F", "\xEA\xA4", "lg1",      "ch"};
        std::string text;
        const int count = Chance(0.1) ? Uniform(100, 200) : Uniform(1, 12);
        for (int i = 0; i < count; ++i) text += Pick(pieces);
        return text;
    }

    std::string Hex() { return std::string(1, "0123456789ABCDEFabcdef"[Uniform(0, 21)]); }

    void Attributes() {
        if (Chance(0.3))
            Add("lg" + Hex() + (Chance(0.5) ? " " + std::to_string(Uniform(0, 9)) : ""));
        if (Chance(0.3)) Add("ly" + Hex());
        if (Chance(0.4)) {
            const int colour = Pick<int>({1, 2, 3, 5, 8, 9, 10, 10, 10, 101, 256, 356, 0, 400});
            if (colour == 10 && Chance(0.8)) {
                Add("lc10 " + std::to_string(Pick<int>(
                                  {0, 255, 65280, 16711680, 16777215, 16777216, -5, 12345})));
            } else {
                Add("lc" + std::to_string(colour));
            }
        }
        if (Chance(0.3)) Add("lt" + std::to_string(Pick<int>({1, 2, 5, 9, 11, 19, 31, 62, 0})));
        if (widths_ && Chance(0.3))
            Add("lw" + std::to_string(Pick<int>({0, 1, 25, 30000, -1, 30001, -7})));
        if (Chance(0.3)) {
            const int size = Pick<int>({0, 0, 1, 4, 10, 11, -1});
            Add("cn" + std::to_string(size) +
                (size == 0 && Chance(0.8) ? Reals(3) + " " + std::to_string(Uniform(0, 9)) : ""));
        }
        if (Chance(0.2)) Add("cc" + std::to_string(Uniform(0, 9)));
        if (Chance(0.2)) {
            Add("cn\"$" + Pick<std::string>({"MS Gothic", "\x82\x6C\x82\x72 \x96\xBE\x92\xA9", "<>",
                                             "", " x y", std::string(260, 'f')}));
        }
        if (Chance(0.2)) Add("pn" + std::to_string(Uniform(0, 12)));
        for (const char* z : {"z1", "z2", "z3", "z4", "z5"}) {
            if (Chance(0.15)) Add(z);
        }
        if (Chance(0.1)) Add("hhp" + std::to_string(Uniform(1, 9)));
    }

    std::string TextLine(const std::string& key) {
        const std::string placement = Chance(0.1) ? " 1 2 0 0" : Reals(4);
        if (Chance(0.1)) return key + placement + " word tail";  // no quote: only the first word
        return key + placement + " \"" + TextContent();
    }

    void Figure() {
        switch (Uniform(0, 13)) {
            case 0:
                if (Chance(0.3)) Add("pl");
                Add(Real() + Reals(3));
                if (Chance(0.3)) Add("#");
                break;
            case 1: {
                const std::string x = Real(), y = Real();
                Add(Chance(0.1) ? x + " " + y + " " + x + " " + y : x + " " + y + Reals(2));
                break;
            }
            case 2:
                Add("ci" + Reals(2) + " " + Pick<std::string>({"5", "0", "-2", "1e-9", "0.5"}));
                break;
            case 3:
                Add("ci" + Reals(5) + " " + Pick<std::string>({"1.5", "0", "-3"}) + Reals(1));
                break;
            case 4:
                Add(TextLine(Pick<std::string>(
                    {"ch", "cv", "cs", "cr", "co", "cp", "ct", "ck", "cz", "c2"})));
                break;
            case 5:
                Add("pt" + Reals(2));
                break;
            case 6:
                Add("pt" + Reals(4) + " " + std::to_string(Uniform(-10, 14)));
                break;
            case 7:
                Add("msg");
                Add(Real() + Reals(3));
                Add(Chance(0.3) ? "cs" + Reals(4) + " \"" : TextLine("cs"));
                break;
            case 8:
                Add("BL" + Reals(2) + " block" + std::to_string(Uniform(0, 9)));
                break;
            case 9:
                Add("sl" + Reals(4));
                break;
            case 10: {
                const std::string p = Real() + " " + Real();
                Add("sl " + p + " " + (Chance(0.5) ? p : Real() + " " + Real()) +
                    Reals(Chance(0.5) ? 2 : 4));
                break;
            }
            case 11:
                Add(Pick<std::string>({"se", "se", "sc"}) + Reals(3) + " " +
                    Pick<std::string>({"1", "0.5", "0", "-1"}) + Reals(3) + " " +
                    Pick<std::string>({"0", "100", "5"}));
                break;
            case 12:
                Add(Pick<std::string>({"so", "sg"}) + Reals(8));
                break;
            default:
                Add("hp1" + Reals(2));
                break;
        }
    }

    std::mt19937_64 random_;
    Lines lines_;
    bool widths_ = false;
};

TEST(RoundTrip, GeneratedDrawingsKeepEveryWrittenFigure) {
    TestFolder folder;
    int fixedPoints = 0;
    for (std::uint64_t seed = 1; seed <= 300; ++seed) {
        DrawingGenerator generator(seed);
        const Lines input = generator.Generate(static_cast<int>(seed % 40) + 1);
        EntityStore first, second, third;
        ReadInput(first, input);
        const std::string firstFile = WriteAndReread(first, folder, second);
        ExpectSameFigures(first, second, input);
        // Written once, a drawing is a fixed point of reading and writing.
        const std::string secondFile = WriteAndReread(second, folder, third);
        const std::string thirdFile = WriteAndReread(third, folder, first);
        if (!HasRelativeFontNames(second)) {
            ++fixedPoints;
            EXPECT_EQ(secondFile, thirdFile) << "seed " << seed << "; input " << AsLiteral(input);
        }
        EXPECT_EQ(firstFile.substr(0, 4), "hd\r\n");
        ReleaseStore(first), ReleaseStore(second), ReleaseStore(third);
        if (HasFailure()) {
            ADD_FAILURE() << "stopped at seed " << seed;
            return;
        }
    }
    EXPECT_GT(fixedPoints, 100);
}

struct HandwrittenCase {
    const char* name;
    Lines input;
    std::string output;
};

void PrintTo(const HandwrittenCase& c, std::ostream* out) { *out << c.name; }

class RoundTripCases : public ::testing::TestWithParam<HandwrittenCase> {};

TEST_P(RoundTripCases, WritesExactOutputAndRereadsTheSameFigures) {
    const HandwrittenCase& c = GetParam();
    TestFolder folder;
    EntityStore first, second;
    ReadInput(first, c.input);
    EXPECT_EQ(WriteAndReread(first, folder, second), c.output) << c.name;
    ExpectSameFigures(first, second, c.input);
    ReleaseStore(first), ReleaseStore(second);
}

const std::string kDefaultFontLine = "cn\"$" + std::string(kDefaultFontName);

INSTANTIATE_TEST_SUITE_P(
    Handwritten, RoundTripCases,
    ::testing::Values(
        HandwrittenCase{"line then circle on the same layer",
                        {"lg0", "ly2", "lc3", "lt1", "0 0 100 0", "z1", "ci 50 50 5"},
                        "hd\r\nlg0\r\nly2\r\nlc3\r\nlt1\r\n0 0 100 0\r\nz1\r\nci 50 50 5\r\n"},
        HandwrittenCase{
            "polylines, point references and blocks dropped",
            {"bz", "pl", "0 0 1 0", "hhp2", "1 0 1 1", "#", "BL 5 5 name", "sl 0 0 4 0 4 4 0 4"},
            "hd\r\nbz\r\nlg0\r\nly0\r\nlc1\r\nlt1\r\npl\r\n0 0 1 0\r\n1 0 1 1\r\n#\r\n"},
        HandwrittenCase{"a curve with z flags, then a circle, loose lines and a solid",
                        {"pl", "0 0 1 0", "z1", "1 0 1 1", "ci 5 5 1", "1 1 0 1", "#",
                         "sl 0 0 4 0 4 4", "lc2", "9 9 8 8"},
                        "hd\r\nlg0\r\nly0\r\nlc1\r\nlt1\r\npl\r\n0 0 1 0\r\nz1\r\n1 0 1 "
                        "1\r\n#\r\nci 5 5 1\r\n1 1 0 1\r\nlc2\r\n9 9 8 8\r\n"},
        HandwrittenCase{"text with free size and font",
                        {"cn0 2.5 2.5 0 3", "cn\"$MS Gothic", "ch 1 2 1 0 \"hello \"world\""},
                        "hd\r\nlg0\r\nly0\r\ncn0 2.5 2.5 0 3\r\ncc0\r\ncn\"$MS Gothic\r\nch 1 2 1 "
                        "0 \"hello \"world\"\r\n"},
        HandwrittenCase{"dimension with measured text",
                        {"msg", "0 0 3 4", "cs 1 1 1 0 \""},
                        "hd\r\nlg0\r\nly0\r\nlc1\r\nlt1\r\ncn1\r\ncc0\r\n" + kDefaultFontLine +
                            "\r\nmsg\r\n0 0 3 4\r\ncs 1 1 1 0 \"5\r\n"},
        HandwrittenCase{"se solid to layer 1, widths normalised",
                        {"lw25", "lg3", "ly7", "lc10 255", "se 1 2 3 1 0 0 6.28 100", "lw40000",
                         "lc10 255", "sl 0 0 1 1"},
                        "hd\r\nlg3\r\nly1\r\nlc10 255\r\nlw25\r\nse 1 2 3 1 0 0 6.28 "
                        "100\r\nly7\r\nlw0\r\nsl 0 0 1 1\r\n"},
        HandwrittenCase{"degenerate figures keep their attribute lines",
                        {"lc4", "z2", "5 5 5 5", "ci 1 1 0", "pt 1 2 0 7 12"},
                        "hd\r\nlg0\r\nly0\r\nlc4\r\nlt1\r\npn1\r\npt 1 2 1 7 -3\r\n"}),
    [](const ::testing::TestParamInfo<HandwrittenCase>& testCase) {
        return "Case" + std::to_string(testCase.index);
    });

}  // namespace

}  // namespace rv17
