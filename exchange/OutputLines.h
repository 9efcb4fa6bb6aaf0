// The lines a conversion writes, held compactly: the bytes of all lines in
// large chunks, and one position per line in a block list.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "exchange/BlockList.h"
#include "exchange/TextKeys.h"

namespace rv17 {

// A text command ("ch 5 5 1 0 \"") ends in a double quote; its text follows as
// the next output line, and the exchange file holds the two as one line. Other
// lines may end in a double quote too (a font name read with a quote at its
// end): they keep a line of their own, or the figure after them would be lost.
constexpr bool OpensText(std::string_view line) noexcept {
    return line.size() > 2 && TextKindOf(line.substr(0, 2)) >= 0 && line[2] == ' ' &&
           line.back() == '"';
}

// Calls each(line) for every line of text made of lines that each end in CR LF.
template <class Each>
void ForEachComposedLine(std::string_view text, Each&& each) {
    while (!text.empty()) {
        const std::size_t end = text.find("\r\n");
        each(text.substr(0, end));
        if (end == std::string_view::npos) return;
        text.remove_prefix(end + 2);
    }
}

// Takes output lines in place of the store's list while it is attached to the
// store, so that a conversion can write its lines away as it makes them.
class OutputLineSink {
public:
    // A line already cut to OutputLines::kMaxLineBytes.
    virtual void Line(std::string_view line) = 0;
    // Whole lines at once, each ending in CR LF (AppendComposedLines).
    virtual void ComposedLines(std::string_view lines);

protected:
    ~OutputLineSink() = default;
};

class OutputLines {
public:
    OutputLines() = default;
    OutputLines(OutputLines&&) noexcept = default;
    OutputLines& operator=(OutputLines&&) noexcept = default;
    // A copy holds the same lines (a store is copied for the dialog's preview).
    OutputLines(const OutputLines& other);
    OutputLines& operator=(const OutputLines& other);

    static constexpr std::size_t kMaxLineBytes = 255;

    // Appends one line, cut to 255 bytes without splitting a double-byte character.
    void Append(std::string_view line);

    std::size_t Count() const noexcept { return positions_.Count(); }
    std::string_view Line(std::size_t index) const noexcept;

    // Frees all storage; the list is empty afterwards.
    void Release() noexcept;

    // Bytes held for the lines' text (for memory measurements).
    std::size_t ReservedBytes() const noexcept { return chunks_.size() * kChunkBytes; }
    // Bytes held for the text and the line positions together.
    std::size_t HeldBytes() const noexcept {
        return ReservedBytes() + positions_.Capacity() * sizeof(std::uint64_t);
    }

private:
    // A line never spans two chunks: 1 length byte plus at most 255 bytes.
    static constexpr std::size_t kChunkBytes = std::size_t{1} << 20;

    std::vector<std::unique_ptr<unsigned char[]>> chunks_;
    std::size_t usedInLastChunk_ = kChunkBytes;
    BlockList<std::uint64_t> positions_;  // chunk index << 20 | offset of the length byte
};

}  // namespace rv17
