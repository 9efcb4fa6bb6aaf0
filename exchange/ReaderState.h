// What the reader carries from one line to the next during one read: the
// attributes in force, and the polyline and dimension being read.
#pragma once

#include <cstdint>

#include "exchange/EntityStore.h"

namespace rv17 {

struct ReaderState {
    // The host's defaults; the first value of each attribute up to the text
    // size number is still to be met (and kept as its initial value).
    ReaderState();

    CurrentAttributes current;
    bool polylineActive = false;
    std::int32_t polylineCount = 0;
    // A "msg" line opened a dimension: its line and then its text follow.
    bool msgActive = false;
    LineRecord pendingDimensionLine{};
};

}  // namespace rv17
