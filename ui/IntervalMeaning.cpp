// Building the interval's meaning and the segment count from the drawing's scale.
#include "ui/IntervalMeaning.h"

#include <charconv>

#include "geometry/TextConversions.h"
#include "hatch/DrawingScale.h"
#include "ui/InterfaceTexts.h"

namespace rv17 {

std::string MillimetreText(double value) {
    char digits[400];
    const auto fixed =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 6);
    if (fixed.ec != std::errc{}) return "0";
    std::string text(digits, fixed.ptr);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') text.pop_back();
    }
    // Below a millionth the six decimals say nothing; three digits do.
    if (text == "0" && value > 0.0) {
        const auto general =
            std::to_chars(digits, digits + sizeof digits, value, std::chars_format::general, 3);
        text.assign(digits, general.ptr);
    }
    return text;
}

namespace {

// The scale and the interval in paper and in real-size millimetres; no
// scale (zero) at 1/1 and for an interval that OK refuses.
struct Meaning {
    double scale = 0.0;
    double paper = 0.0;
    double real = 0.0;
};

Meaning MeaningOf(const EntityStore& drawing, const HatchSettings& settings) {
    const double scale = HatchGroupScale(drawing);
    const double typed = TextToReal(settings.interval);
    if (scale == 1.0 || !(typed >= kMinInterval && typed <= kMaxInterval)) return {};
    if (settings.realSize) return {scale, typed / scale, typed};
    return {scale, typed, typed * scale};
}

}  // namespace

std::string IntervalMeaningText(const EntityStore& drawing, const HatchSettings& settings) {
    const Meaning meaning = MeaningOf(drawing, settings);
    if (meaning.scale == 0.0) return {};
    return Sjis(texts::kScalePrefix) + MillimetreText(meaning.scale) + Sjis(texts::kPaperPrefix) +
           MillimetreText(meaning.paper) + Sjis(texts::kRealPrefix) + MillimetreText(meaning.real) +
           Sjis(texts::kMillimetres);
}

std::string ShortIntervalMeaningText(const EntityStore& drawing, const HatchSettings& settings) {
    const Meaning meaning = MeaningOf(drawing, settings);
    if (meaning.scale == 0.0) return {};
    return Sjis(texts::kScalePrefix) + MillimetreText(meaning.scale) +
           Sjis(texts::kShortPaperPrefix) + MillimetreText(meaning.paper) +
           Sjis(texts::kShortRealPrefix) + MillimetreText(meaning.real) +
           Sjis(texts::kShortMillimetres);
}

std::string SegmentCountText(std::size_t segments) {
    return Sjis(texts::kSegmentCountPrefix) + std::to_string(segments) +
           Sjis(texts::kSegmentCountSuffix);
}

}  // namespace rv17
