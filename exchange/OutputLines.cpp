// Compact storage of output lines.
#include "exchange/OutputLines.h"

#include <cstring>

#include "geometry/TextConversions.h"

namespace rv17 {

void OutputLines::Append(std::string_view line) {
    line = CutToWholeCharacters(line, kMaxLineBytes);
    if (usedInLastChunk_ + 1 + line.size() > kChunkBytes) {
        chunks_.push_back(std::make_unique_for_overwrite<unsigned char[]>(kChunkBytes));
        usedInLastChunk_ = 0;
    }
    unsigned char* slot = chunks_.back().get() + usedInLastChunk_;
    slot[0] = static_cast<unsigned char>(line.size());
    if (!line.empty()) std::memcpy(slot + 1, line.data(), line.size());
    positions_.Append() = (static_cast<std::uint64_t>(chunks_.size() - 1) << 20) | usedInLastChunk_;
    usedInLastChunk_ += 1 + line.size();
}

void OutputLineSink::ComposedLines(std::string_view lines) {
    ForEachComposedLine(lines, [this](std::string_view line) { Line(line); });
}

std::string_view OutputLines::Line(std::size_t index) const noexcept {
    const std::uint64_t position = positions_[index];
    // A chunk number fits a size_t: the chunks it counts are all in memory.
    const auto chunk = static_cast<std::size_t>(position >> 20);
    const unsigned char* slot = chunks_[chunk].get() + (position & (kChunkBytes - 1));
    return {reinterpret_cast<const char*>(slot + 1), slot[0]};
}

void OutputLines::Release() noexcept {
    chunks_.clear();
    chunks_.shrink_to_fit();
    usedInLastChunk_ = kChunkBytes;
    positions_.Release();
}

OutputLines::OutputLines(const OutputLines& other) {
    for (std::size_t i = 0; i < other.Count(); ++i) Append(other.Line(i));
}

OutputLines& OutputLines::operator=(const OutputLines& other) {
    if (this != &other) *this = OutputLines(other);
    return *this;
}

}  // namespace rv17
