// Usable cores on POSIX systems: the process's CPU affinity set.
#include "hatch/UsableCores.h"

#include <sched.h>

#include <thread>

namespace rv17 {

unsigned UsableCores() noexcept {
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    if (sched_getaffinity(0, sizeof allowed, &allowed) == 0) {
        const int count = CPU_COUNT(&allowed);
        if (count > 0) return static_cast<unsigned>(count);
    }
    return std::thread::hardware_concurrency();
}

}  // namespace rv17
