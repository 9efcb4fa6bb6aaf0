// A read failure armed for the life of one test: the next read that goes past
// the given number of bytes fails with the given reason.
#pragma once

#include <cstdint>
#include <system_error>

#include "exchange/FileAccess.h"

namespace rv17 {

class InjectedReadFailure {
public:
    InjectedReadFailure(std::uint64_t afterBytes, std::errc reason) {
        FailReadAfter(afterBytes, reason);
    }
    ~InjectedReadFailure() { StopFailingReads(); }
    InjectedReadFailure(const InjectedReadFailure&) = delete;
    InjectedReadFailure& operator=(const InjectedReadFailure&) = delete;
};

}  // namespace rv17
