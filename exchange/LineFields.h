// Cutting one line of the exchange file into its fields: blanks separate,
// a double quote or an equals sign makes the rest of the line one field, and
// Shift-JIS double-byte characters are never split.
#pragma once

#include <cstddef>
#include <string_view>

namespace rv17 {

struct LineFields {
    // A line has room for this many fields; further fields are dropped.
    static constexpr std::size_t kMaxFields = 400;

    // Plain pointer and length, so that the 400 slots are not cleared for
    // every line: only the first count slots are ever written and read.
    struct Span {
        const char* data;
        std::size_t size;
    };

    Span field[kMaxFields];
    std::size_t count = 0;  // n: the number of fields, the last one possibly empty

    std::string_view operator[](std::size_t index) const noexcept {
        return {field[index].data, field[index].size};
    }
};

// Cuts the line held in bytes[0, size) into fields. The kept bytes are moved
// towards the start of the buffer (a field never grows, so writing never
// overtakes reading) and the fields are views into the buffer, so cutting a
// line allocates nothing. The buffer's contents are overwritten.
void CutLineInPlace(char* bytes, std::size_t size, LineFields& fields) noexcept;

}  // namespace rv17
