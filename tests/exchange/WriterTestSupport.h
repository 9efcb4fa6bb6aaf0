// A store ready for writing, as a conversion run has it after reading, and
// access to the output lines it collects.
#pragma once

#include <string>
#include <vector>

#include "exchange/JwwGaibu.h"

namespace rv17 {

class WriterStore {
public:
    WriterStore() {
        InitialiseStore(store);
        ResetCurrentAttributes(store);
    }
    ~WriterStore() { ReleaseStore(store); }
    WriterStore(const WriterStore&) = delete;
    WriterStore& operator=(const WriterStore&) = delete;

    // The lines appended since the last call.
    std::vector<std::string> TakeLines() {
        std::vector<std::string> lines;
        for (std::size_t i = taken_; i < store.outputLines.Count(); ++i) {
            lines.emplace_back(store.outputLines.Line(i));
        }
        taken_ = store.outputLines.Count();
        return lines;
    }

    EntityStore store;

private:
    std::size_t taken_ = 0;
};

using Lines = std::vector<std::string>;

}  // namespace rv17
