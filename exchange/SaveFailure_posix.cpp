// Save failures on POSIX systems: the system's codes are errno values.
#include "exchange/SaveFailure.h"

namespace rv17 {

SaveFailureReason ClassifySystemError(int code, const std::filesystem::path&) noexcept {
    return ClassifyErrno(code);
}

}  // namespace rv17
