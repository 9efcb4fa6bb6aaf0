// Figure lines of the output, written from plain numbers. Each emitter first
// tests the figure's geometry and writes nothing for a degenerate figure; the
// attribute lines written before it stay.
#pragma once

#include <cstdint>
#include <string_view>

#include "exchange/LineBuilder.h"
#include "exchange/OutputWriter.h"

namespace rv17 {

// Ends that coincide within this, or a radius, direction or flatness within
// it of zero, make a figure degenerate.
inline constexpr double kWriterTolerance = 1e-8;

// "x1 y1 x2 y2"; nothing when both ends coincide. True when the line was written.
bool EmitLine(OutputWriter& writer, double x1, double y1, double x2, double y2);
// The text EmitLine writes, composed in `line`; false (nothing composed) when
// both ends coincide.
bool ComposeLine(LineBuilder& line, double x1, double y1, double x2, double y2) noexcept;
// "pt x y".
void EmitPoint(OutputWriter& writer, double x, double y);
// "pt x y param3 param4 code"; a code outside -7..11 becomes -3, a param3 of
// (nearly) 0 becomes 1.
void EmitParameterPoint(OutputWriter& writer, std::int32_t code, double x, double y, double param3,
                        double param4);
// "ci cx cy radius"; nothing for a radius of (nearly) 0 or less.
void EmitCircle(OutputWriter& writer, double cx, double cy, double radius);
// "ci" and the seven numbers of an arc; nothing for a radius of (nearly) 0 or
// less, or an arcValue6 of (nearly) 0.
void EmitArc(OutputWriter& writer, double cx, double cy, double radius, double arcValue4,
             double arcValue5, double arcValue6, double arcValue7);
// The text key of textKind (0 "ch" .. 9 "c2", any other "ch"), x y dx dy and
// an opening double quote, then the text unchanged as the next line (the save
// joins the two). Nothing for direction (0, 0) or a text without visible characters.
void EmitText(OutputWriter& writer, std::int32_t textKind, std::string_view text, double x,
              double y, double dx, double dy);
// "msg", the dimension line, and "cs" with the text; a blank text becomes the
// measured length of the line. Nothing for a degenerate line or direction (0, 0).
void EmitDimension(OutputWriter& writer, std::string_view text, double x1, double y1, double x2,
                   double y2, double x, double y, double dx, double dy);
// "sl x1 y1 x2 y2"; nothing when both ends coincide.
void EmitSolidSegment(OutputWriter& writer, double x1, double y1, double x2, double y2);
// "se" and the circular solid's numbers; nothing for a radius or flatness of
// (nearly) 0, or a mode other than the sector and the whole curve.
void EmitCircleSolid(OutputWriter& writer, CircleSolidMode solidMode, double cx, double cy,
                     double radius, double flatness, double tilt, double startAngle,
                     double arcAngle);

// The geometry tests of the emitters above: true when the figure is written.
bool IsWritableSegment(double x1, double y1, double x2,
                       double y2) noexcept;  // lines, solid segments
bool IsWritableCircle(double radius) noexcept;
bool IsWritableArc(double radius, double arcValue6) noexcept;
bool IsWritableText(std::string_view text, double dx, double dy);
bool IsWritableDimension(double x1, double y1, double x2, double y2, double dx, double dy) noexcept;
bool IsWritableCircleSolid(CircleSolidMode solidMode, double radius, double flatness) noexcept;

// The length of the line rounded to 8 decimal places, as a dimension writes it
// when its text is blank.
double MeasuredLength(double x1, double y1, double x2, double y2) noexcept;

}  // namespace rv17
