// Figure lines with their geometry tests and value normalisations.
#include "exchange/EntityEmitters.h"

#include <cmath>

#include "exchange/LineBuilder.h"
#include "exchange/TextKeys.h"
#include "geometry/PlanePoint.h"
#include "geometry/TextConversions.h"

namespace rv17 {

namespace {

constexpr std::int32_t kDimensionTextKind = 2;

// Strict: ends that differ by exactly the tolerance still make a figure.
bool EndsCoincide(double x1, double y1, double x2, double y2) noexcept {
    return std::fabs(x2 - x1) < kWriterTolerance && std::fabs(y2 - y1) < kWriterTolerance;
}

// Inclusive: a direction of exactly the tolerance counts as none.
bool DirectionIsZero(double dx, double dy) noexcept {
    return std::fabs(dx) <= kWriterTolerance && std::fabs(dy) <= kWriterTolerance;
}

bool IsBlankText(std::string_view text) { return RemoveBlanks(text).empty(); }

// The text command ends in a blank and a double quote; the text follows as a line of its own.
void AppendTextCommand(OutputWriter& writer, std::int32_t textKind, std::string_view text, double x,
                       double y, double dx, double dy) {
    LineBuilder command;
    command.Text(TextKeyOf(textKind)).BlankSeparatedReals(x, y, dx, dy).Text(" \"");
    writer.Line(command.View());
    writer.Line(text);
}

}  // namespace

bool IsWritableSegment(double x1, double y1, double x2, double y2) noexcept {
    return !EndsCoincide(x1, y1, x2, y2);
}

bool IsWritableCircle(double radius) noexcept { return !(radius <= kWriterTolerance); }

bool IsWritableArc(double radius, double arcValue6) noexcept {
    return !(radius <= kWriterTolerance || std::fabs(arcValue6) <= kWriterTolerance);
}

bool IsWritableText(std::string_view text, double dx, double dy) {
    return !DirectionIsZero(dx, dy) && !IsBlankText(text);
}

bool IsWritableDimension(double x1, double y1, double x2, double y2, double dx,
                         double dy) noexcept {
    return !EndsCoincide(x1, y1, x2, y2) && !DirectionIsZero(dx, dy);
}

bool IsWritableCircleSolid(CircleSolidMode solidMode, double radius, double flatness) noexcept {
    if (radius <= kWriterTolerance || std::fabs(flatness) <= kWriterTolerance) return false;
    return solidMode == CircleSolidMode::Sector || solidMode == CircleSolidMode::WholeCurve;
}

bool ComposeLine(LineBuilder& line, double x1, double y1, double x2, double y2) noexcept {
    if (!IsWritableSegment(x1, y1, x2, y2)) return false;
    line.FourReals({x1, y1, x2, y2});
    return true;
}

bool EmitLine(OutputWriter& writer, double x1, double y1, double x2, double y2) {
    LineBuilder line;
    if (!ComposeLine(line, x1, y1, x2, y2)) return false;
    writer.Line(line.View());
    return true;
}

void EmitPoint(OutputWriter& writer, double x, double y) {
    writer.Line(LineBuilder().Text("pt").BlankSeparatedReals(x, y).View());
}

void EmitParameterPoint(OutputWriter& writer, std::int32_t code, double x, double y, double param3,
                        double param4) {
    if (code < -7 || code > 11) code = -3;
    if (std::fabs(param3) <= kWriterTolerance) param3 = 1.0;
    LineBuilder line;
    line.Text("pt").BlankSeparatedReals(x, y, param3, param4).Blank().Integer(code);
    writer.Line(line.View());
}

void EmitCircle(OutputWriter& writer, double cx, double cy, double radius) {
    if (!IsWritableCircle(radius)) return;
    writer.Line(LineBuilder().Text("ci").BlankSeparatedReals(cx, cy, radius).View());
}

void EmitArc(OutputWriter& writer, double cx, double cy, double radius, double arcValue4,
             double arcValue5, double arcValue6, double arcValue7) {
    if (!IsWritableArc(radius, arcValue6)) return;
    LineBuilder line;
    line.Text("ci").BlankSeparatedReals(cx, cy, radius, arcValue4, arcValue5, arcValue6, arcValue7);
    writer.Line(line.View());
}

void EmitText(OutputWriter& writer, std::int32_t textKind, std::string_view text, double x,
              double y, double dx, double dy) {
    if (!IsWritableText(text, dx, dy)) return;
    AppendTextCommand(writer, textKind, text, x, y, dx, dy);
}

void EmitDimension(OutputWriter& writer, std::string_view text, double x1, double y1, double x2,
                   double y2, double x, double y, double dx, double dy) {
    if (!IsWritableDimension(x1, y1, x2, y2, dx, dy)) return;
    char measured[kMaxRealTextBytes];
    if (IsBlankText(text)) {
        text = std::string_view(
            measured, static_cast<std::size_t>(
                          AppendRealText(measured, MeasuredLength(x1, y1, x2, y2)) - measured));
    }
    writer.Line("msg");
    LineBuilder line;
    line.Real(x1).BlankSeparatedReals(y1, x2, y2);
    writer.Line(line.View());
    AppendTextCommand(writer, kDimensionTextKind, text, x, y, dx, dy);
}

void EmitSolidSegment(OutputWriter& writer, double x1, double y1, double x2, double y2) {
    if (!IsWritableSegment(x1, y1, x2, y2)) return;
    writer.Line(LineBuilder().Text("sl").BlankSeparatedReals(x1, y1, x2, y2).View());
}

void EmitCircleSolid(OutputWriter& writer, CircleSolidMode solidMode, double cx, double cy,
                     double radius, double flatness, double tilt, double startAngle,
                     double arcAngle) {
    if (!IsWritableCircleSolid(solidMode, radius, flatness)) return;
    LineBuilder line;
    line.Text("se").BlankSeparatedReals(cx, cy, radius, flatness, tilt, startAngle, arcAngle);
    line.Blank().Integer(static_cast<std::int32_t>(solidMode));
    writer.Line(line.View());
}

double MeasuredLength(double x1, double y1, double x2, double y2) noexcept {
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    const double length = std::sqrt(dx * dx + dy * dy);
    return Quantise(length);
}

}  // namespace rv17
