// A fixed buffer on the stack in which the writer composes one output line
// from keys, texts and numbers without allocating.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "exchange/NumberText.h"

namespace rv17 {

class LineBuilder {
public:
    // Output lines are cut to 255 bytes, so anything beyond this room would be
    // cut anyway; a part that does not fit is dropped.
    static constexpr std::size_t kCapacity = 512;

    LineBuilder& Text(std::string_view text) noexcept {
        const std::size_t room = kCapacity - size_;
        const std::size_t count = text.size() < room ? text.size() : room;
        if (count != 0) std::memcpy(buffer_ + size_, text.data(), count);
        size_ += count;
        return *this;
    }

    LineBuilder& Blank() noexcept { return Text(" "); }

    LineBuilder& Real(double value) noexcept {
        if (kCapacity - size_ >= kMaxRealTextBytes)
            size_ = Written(AppendRealText(buffer_ + size_, value));
        return *this;
    }

    // Four values separated by single blanks.
    LineBuilder& FourReals(const double (&values)[4]) noexcept {
        if (kCapacity - size_ >= 4 * kMaxRealTextBytes)
            size_ = Written(AppendSeparatedRealTexts(buffer_ + size_, values));
        return *this;
    }

    LineBuilder& Integer(std::int32_t value) noexcept {
        if (kCapacity - size_ >= kMaxIntegerTextBytes)
            size_ = Written(AppendIntegerText(buffer_ + size_, value));
        return *this;
    }

    LineBuilder& Hex(std::int32_t value) noexcept {
        if (kCapacity - size_ >= kMaxIntegerTextBytes)
            size_ = Written(AppendHexText(buffer_ + size_, value));
        return *this;
    }

    // Each value preceded by one blank.
    template <class... Reals>
    LineBuilder& BlankSeparatedReals(Reals... values) noexcept {
        ((Blank().Real(values)), ...);
        return *this;
    }

    std::string_view View() const noexcept { return {buffer_, size_}; }

private:
    std::size_t Written(const char* end) const noexcept {
        return static_cast<std::size_t>(end - buffer_);
    }

    char buffer_[kCapacity];
    std::size_t size_ = 0;
};

}  // namespace rv17
