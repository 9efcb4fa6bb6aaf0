// The temporary names an atomic writer would take next, for tests that plant
// something under them first.
#pragma once

#include <filesystem>
#include <string>

#include "exchange/FileAccess.h"

namespace rv17 {

// The names of the temporary files that the next writers of target create
// when nothing is in their way (writers number their files one after another):
// the next one, or the one `after` numbers later.
class NextTemporaryNames {
public:
    explicit NextTemporaryNames(std::filesystem::path target) : target_(std::move(target)) {
        const AtomicFileWriter probe(target_);
        const std::string name = probe.TemporaryPath().string();
        next_ = static_cast<unsigned>(std::stoul(name.substr(name.rfind('-') + 1))) + 1;
    }
    std::filesystem::path operator[](unsigned after) const {
        return TemporarySibling(target_, CurrentProcessId(), next_ + after);
    }

private:
    std::filesystem::path target_;
    unsigned next_ = 0;
};

}  // namespace rv17
