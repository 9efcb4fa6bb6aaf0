// Buffered SVG text with integer-based number formatting and XML escaping.
#include "tools/preview/SvgWriter.h"

#include <charconv>
#include <cmath>

namespace rv17 {

namespace {

constexpr std::size_t kBufferBytes = std::size_t{1} << 16;
// 1e14 in ten-thousandths still fits a 64-bit integer with room to spare.
constexpr double kMaxWritableNumber = 1e14;
constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

// Decodes one UTF-8 sequence at the start of text; returns its length, or 0
// when it is malformed (a bad lead or continuation byte, an overlong form, a
// surrogate or a value beyond U+10FFFF).
std::size_t DecodeUtf8(std::string_view text, char32_t& codePoint) noexcept {
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, value = lead & 0x1Fu, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, value = lead & 0x0Fu, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, value = lead & 0x07u, minimum = 0x10000;
    } else {
        return 0;
    }
    if (text.size() < length) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0u) != 0x80u) return 0;
        value = value << 6 | (next & 0x3Fu);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
    codePoint = value;
    return length;
}

// The characters XML 1.0 allows in a document.
bool IsXmlCharacter(char32_t c) noexcept {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

std::string_view Escape(char c) noexcept {
    switch (c) {
        case '<':
            return "&lt;";
        case '>':
            return "&gt;";
        case '&':
            return "&amp;";
        case '"':
            return "&quot;";
        case '\'':
            return "&apos;";
        default:
            return {};
    }
}

}  // namespace

SvgWriter::SvgWriter(SvgSink& sink) : sink_(sink) { buffer_.reserve(kBufferBytes + 64); }

SvgWriter::~SvgWriter() { Flush(); }

void SvgWriter::Reserve(std::size_t bytes) {
    if (buffer_.size() + bytes > kBufferBytes) Flush();
}

void SvgWriter::Flush() {
    if (buffer_.empty()) return;
    sink_.Accept(buffer_);
    buffer_.clear();
}

SvgWriter& SvgWriter::Raw(std::string_view bytes) {
    Reserve(bytes.size());
    buffer_.append(bytes);
    return *this;
}

SvgWriter& SvgWriter::Char(char c) {
    Reserve(1);
    buffer_.push_back(c);
    return *this;
}

// The value in ten-thousandths, rounded half away from zero, is written as
// its integer part and up to four fraction digits: much faster than
// formatting the double itself, and exact at this precision.
void AppendNumber(std::string& out, double value) {
    if (!std::isfinite(value) || std::fabs(value) > kMaxWritableNumber) value = 0.0;
    const auto scaled = static_cast<std::int64_t>(std::llround(value * 1e4));
    char digits[32];
    char* end = digits;
    const std::uint64_t magnitude =
        scaled < 0 ? static_cast<std::uint64_t>(-scaled) : static_cast<std::uint64_t>(scaled);
    if (scaled < 0) *end++ = '-';
    end = std::to_chars(end, digits + sizeof digits, magnitude / 10000).ptr;
    std::uint64_t fraction = magnitude % 10000;
    if (fraction != 0) {
        char fractionDigits[4];
        for (int i = 3; i >= 0; --i) {
            fractionDigits[i] = static_cast<char>('0' + fraction % 10);
            fraction /= 10;
        }
        int used = 4;
        while (fractionDigits[used - 1] == '0') --used;
        *end++ = '.';
        for (int i = 0; i < used; ++i) *end++ = fractionDigits[i];
    }
    out.append(digits, static_cast<std::size_t>(end - digits));
}

SvgWriter& SvgWriter::Number(double value) {
    Reserve(32);
    AppendNumber(buffer_, value);
    return *this;
}

SvgWriter& SvgWriter::Integer(std::int64_t value) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    return Raw(std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
}

SvgWriter& SvgWriter::Colour(RgbHex colour) {
    constexpr char kHex[] = "0123456789abcdef";
    char text[7] = {'#'};
    for (int i = 0; i < 6; ++i) text[1 + i] = kHex[(colour >> (20 - 4 * i)) & 0xFu];
    return Raw(std::string_view(text, sizeof text));
}

SvgWriter& SvgWriter::Text(std::string_view utf8) {
    while (!utf8.empty()) {
        char32_t codePoint = 0;
        const std::size_t length = DecodeUtf8(utf8, codePoint);
        if (length == 0) {
            Raw(kReplacementCharacter);
            utf8.remove_prefix(1);
            continue;
        }
        if (!IsXmlCharacter(codePoint)) {
            Raw(kReplacementCharacter);
        } else if (const std::string_view escaped =
                       length == 1 ? Escape(utf8[0]) : std::string_view{};
                   !escaped.empty()) {
            Raw(escaped);
        } else {
            Raw(utf8.substr(0, length));
        }
        utf8.remove_prefix(length);
    }
    return *this;
}

}  // namespace rv17
