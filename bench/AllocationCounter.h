// Counts every heap allocation of the process through replaced global
// operator new, so a benchmark can report allocations per entity.
#pragma once

#include <cstddef>

namespace rv17 {

// The number of allocations made through operator new since the program started.
std::size_t AllocationCount() noexcept;

}  // namespace rv17
