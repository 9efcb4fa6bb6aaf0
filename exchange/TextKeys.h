// The keys of the exchange file's text commands, one for each text kind.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace rv17 {

// Indexed by text kind: 0 "ch" ... 9 "c2".
inline constexpr std::array<std::string_view, 10> kTextKeys{"ch", "cv", "cs", "cr", "co",
                                                            "cp", "ct", "ck", "cz", "c2"};

// The text kind of a key, or -1 when the key is none of them.
constexpr std::int32_t TextKindOf(std::string_view key) noexcept {
    if (key.size() != 2 || key[0] != 'c') return -1;
    for (std::size_t i = 0; i < kTextKeys.size(); ++i) {
        if (key == kTextKeys[i]) return static_cast<std::int32_t>(i);
    }
    return -1;
}

// The key written for a text kind; a kind outside 0..9 is written as "ch".
constexpr std::string_view TextKeyOf(std::int32_t textKind) noexcept {
    return textKind >= 0 && textKind <= 9 ? kTextKeys[static_cast<std::size_t>(textKind)]
                                          : kTextKeys[0];
}

}  // namespace rv17
