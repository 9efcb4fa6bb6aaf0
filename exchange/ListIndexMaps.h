// The colour and line-type numbers behind the entries of the main dialog's
// colour and line-type lists.
#pragma once

#include <cstdint>

#include "exchange/EntityStore.h"

namespace rv17 {

// Entry 0 ("current colour") and below: the first colour of the input file;
// 1..9: the colour of that number; 10 and above: the SXF colours 101 upward.
std::int32_t ColourFromListIndex(const EntityStore& store, std::int32_t index) noexcept;

// Entry 0 ("current line type") and below: the first line type of the input
// file; 1..9: that line type; 10..18: 11..19; 19 and above: SXF types 31 upward.
std::int32_t LineTypeFromListIndex(const EntityStore& store, std::int32_t index) noexcept;

}  // namespace rv17
