// The number of cores this process may run on, for sizing the sweep's workers.
#pragma once

namespace rv17 {

// The cores in the process's affinity where the system tells them, else the
// hardware's count; 0 when neither is known. A process started on fewer
// cores than the machine has (a job object, taskset, a container) gets no
// workers that would only wait for each other.
unsigned UsableCores() noexcept;

}  // namespace rv17
