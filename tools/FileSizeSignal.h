// Makes a write past the process's file-size limit fail with an error the
// tool reports, instead of a signal that ends the process mid-write.
#pragma once

namespace rv17 {

void IgnoreFileSizeSignal() noexcept;

}  // namespace rv17
