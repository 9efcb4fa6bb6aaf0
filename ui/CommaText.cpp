// Reading and writing preset lists as comma texts.
#include "ui/CommaText.h"

namespace rv17 {

namespace {

constexpr char kQuote = '"';
constexpr char kDelimiter = ',';

// Blanks and control characters (NUL included) separate items. Bytes of
// Shift-JIS double-byte characters are never among them: a trail byte is at
// least 0x40, so the text can be walked byte by byte.
bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= 0x20; }

bool NeedsQuotes(std::string_view item) {
    for (const char c : item) {
        if (IsBlankOrControl(c) || c == kQuote || c == kDelimiter) return true;
    }
    return false;
}

}  // namespace

PresetList CommaTextToItems(std::string_view text) {
    PresetList items;
    std::size_t at = 0;
    const std::size_t end = text.size();
    while (at < end && IsBlankOrControl(text[at])) ++at;
    while (at < end) {
        std::string item;
        if (text[at] == kQuote) {
            ++at;
            while (at < end) {
                if (text[at] == kQuote) {
                    if (at + 1 < end && text[at + 1] == kQuote) {
                        item += kQuote;
                        at += 2;
                        continue;
                    }
                    ++at;
                    break;
                }
                item += text[at++];
            }
        } else {
            const std::size_t start = at;
            while (at < end && !IsBlankOrControl(text[at]) && text[at] != kDelimiter) ++at;
            item.assign(text.substr(start, at - start));
        }
        items.push_back(std::move(item));
        while (at < end && IsBlankOrControl(text[at])) ++at;
        if (at < end && text[at] == kDelimiter) {
            if (at + 1 == end) items.emplace_back();
            ++at;
            while (at < end && IsBlankOrControl(text[at])) ++at;
        }
    }
    return items;
}

std::string ItemsToCommaText(const PresetList& items) {
    if (items.size() == 1 && items.front().empty()) return {kQuote, kQuote};
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) text += kDelimiter;
        const std::string& item = items[i];
        if (!NeedsQuotes(item)) {
            text += item;
            continue;
        }
        text += kQuote;
        for (const char c : item) {
            if (c == kQuote) text += kQuote;
            text += c;
        }
        text += kQuote;
    }
    return text;
}

}  // namespace rv17
