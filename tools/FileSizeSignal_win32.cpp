// Windows has no file-size signal; a write past a quota fails as any write does.
#include "tools/FileSizeSignal.h"

namespace rv17 {

void IgnoreFileSizeSignal() noexcept {}

}  // namespace rv17
