// List entry to colour and line-type numbers. The lists skip the numbers that
// the host reserves (colour 10 is "RGB", line types 10 and 20..30 are unused).
#include "exchange/ListIndexMaps.h"

namespace rv17 {

std::int32_t ColourFromListIndex(const EntityStore& store, std::int32_t index) noexcept {
    if (index <= 0) return store.initial.initialColour;
    if (index <= 9) return index;
    // The list has 266 entries; a larger index still maps on, never overflowing.
    return index <= INT32_MAX - 91 ? index + 91 : INT32_MAX;
}

std::int32_t LineTypeFromListIndex(const EntityStore& store, std::int32_t index) noexcept {
    if (index <= 0) return store.initial.initialLineType;
    if (index <= 9) return index;
    if (index <= 18) return index + 1;
    return index <= INT32_MAX - 12 ? index + 12 : INT32_MAX;
}

}  // namespace rv17
