// Helpers of the reader tests: a store filled from a few lines, and byte
// strings written as literals with embedded NULs.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

#include "exchange/JwwGaibu.h"

namespace rv17 {

// A freshly initialised store on the heap (it holds hundreds of texts).
inline std::unique_ptr<EntityStore> NewStore() {
    auto store = std::make_unique<EntityStore>();
    InitialiseStore(*store);
    return store;
}

inline std::unique_ptr<EntityStore> StoreFromLines(std::initializer_list<std::string_view> lines) {
    auto store = NewStore();
    ExchangeReader reader(*store);
    for (const std::string_view line : lines) reader.Line(line);
    return store;
}

// The reader's state after the lines.
inline ReaderState StateAfterLines(std::initializer_list<std::string_view> lines) {
    auto store = NewStore();
    ExchangeReader reader(*store);
    for (const std::string_view line : lines) reader.Line(line);
    return reader.State();
}

// A byte string whose length is taken from the literal, so NULs stay.
template <std::size_t N>
std::string Bytes(const char (&literal)[N]) {
    return std::string(literal, N - 1);
}

}  // namespace rv17
