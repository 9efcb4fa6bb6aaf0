// SIGXFSZ ignored: the write then fails with EFBIG ("File too large").
#include <csignal>

#include "tools/FileSizeSignal.h"

namespace rv17 {

void IgnoreFileSizeSignal() noexcept { std::signal(SIGXFSZ, SIG_IGN); }

}  // namespace rv17
