// A drawing and an output writer for it, and access to the output lines it
// collects.
#pragma once

#include <string>
#include <vector>

#include "exchange/JwwGaibu.h"
#include "exchange/OutputWriter.h"

namespace rv17 {

class WriterStore {
public:
    WriterStore() { InitialiseStore(store); }
    ~WriterStore() { ReleaseStore(store); }
    WriterStore(const WriterStore&) = delete;
    WriterStore& operator=(const WriterStore&) = delete;

    // The lines appended since the last call.
    std::vector<std::string> TakeLines() {
        std::vector<std::string> lines;
        const OutputLines& output = writer.Lines();
        for (std::size_t i = taken_; i < output.Count(); ++i) lines.emplace_back(output.Line(i));
        taken_ = output.Count();
        return lines;
    }

    EntityStore store;
    OutputWriter writer{store};

private:
    std::size_t taken_ = 0;
};

using Lines = std::vector<std::string>;

}  // namespace rv17
