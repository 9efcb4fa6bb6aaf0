// Streaming output of SVG text: a buffer that passes full blocks on to a sink,
// compact numbers, colours and XML-escaped text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "drawing/DrawableValue.h"
#include "drawing/Palette.h"

namespace rv17 {

// Where the bytes of the picture go: a file or, in tests, a string.
class SvgSink {
public:
    virtual ~SvgSink() = default;
    virtual void Accept(std::string_view bytes) = 0;
};

// Collects the whole picture in memory.
class StringSink final : public SvgSink {
public:
    explicit StringSink(std::string& target) : target_(target) {}
    void Accept(std::string_view bytes) override { target_.append(bytes); }

private:
    std::string& target_;
};

// Appends value rounded to four decimals, without trailing zeros ("-0"
// becomes "0"). Figures with coordinates that are not drawable are left out
// before they get here; layout values (view box, offsets) may reach a few
// times kMaxDrawableCoordinate. A non-finite value or one beyond 1e14 is
// written as "0".
void AppendNumber(std::string& out, double value);

class SvgWriter {
public:
    explicit SvgWriter(SvgSink& sink);
    ~SvgWriter();
    SvgWriter(const SvgWriter&) = delete;
    SvgWriter& operator=(const SvgWriter&) = delete;

    // Markup written as it is.
    SvgWriter& Raw(std::string_view bytes);
    SvgWriter& Char(char c);
    // AppendNumber to the picture.
    SvgWriter& Number(double value);
    SvgWriter& Integer(std::int64_t value);
    // "#rrggbb".
    SvgWriter& Colour(RgbHex colour);
    // UTF-8 text escaped for XML content and attribute values. Malformed UTF-8
    // and characters XML does not allow (control characters, U+FFFE, U+FFFF)
    // become U+FFFD.
    SvgWriter& Text(std::string_view utf8);

    // Passes what is buffered on to the sink.
    void Flush();

private:
    void Reserve(std::size_t bytes);

    SvgSink& sink_;
    std::string buffer_;
};

}  // namespace rv17
