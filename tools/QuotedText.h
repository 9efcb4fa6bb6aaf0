// Names and values quoted in the messages of rv17-hatch.
#pragma once

#include <string>
#include <string_view>

namespace rv17 {

// The text between single quotes, so that blanks and empty values show.
inline std::string Quoted(std::string_view text) {
    std::string quoted(1, '\'');
    quoted.append(text);
    quoted += '\'';
    return quoted;
}

}  // namespace rv17
