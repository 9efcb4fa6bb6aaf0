// The comma text in which a preset list (PresetList) is handed to the editor
// and kept in the settings file: items separated by ",", an item quoted with
// '"' when it holds a blank, a control character, a comma or a quote.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rv17 {

// A preset list of the interval, angle or width box: its items in order.
using PresetList = std::vector<std::string>;

// Reads any text without failing. Blanks and control characters before an
// item are skipped; a quoted item runs to its closing quote ('""' inside
// stands for one quote; a missing closing quote ends it at the end of the
// text); any other item ends at a comma, blank or control character; a comma
// that is the very last byte adds a final empty item.
PresetList CommaTextToItems(std::string_view text);

// Writes the items so that CommaTextToItems gives them back exactly. A list
// whose only item is empty is written as '""', an empty list as "".
std::string ItemsToCommaText(const PresetList& items);

}  // namespace rv17
