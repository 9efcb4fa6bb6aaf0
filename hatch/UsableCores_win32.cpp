// Usable cores on Windows: the process's affinity mask, within its group.
#include "hatch/UsableCores.h"

#include <windows.h>

#include <bit>
#include <cstdint>
#include <thread>

namespace rv17 {

unsigned UsableCores() noexcept {
    DWORD_PTR process = 0;
    DWORD_PTR system = 0;
    if (GetProcessAffinityMask(GetCurrentProcess(), &process, &system) && process != 0)
        return static_cast<unsigned>(std::popcount(static_cast<std::uint64_t>(process)));
    return std::thread::hardware_concurrency();
}

}  // namespace rv17
