// The sweep's core count follows the process's affinity, not the machine's.
#include <gtest/gtest.h>
#include <sched.h>

#include "hatch/UsableCores.h"

namespace rv17 {

namespace {

TEST(UsableCores, FollowsTheAffinitySet) {
    cpu_set_t before;
    ASSERT_EQ(sched_getaffinity(0, sizeof before, &before), 0);
    EXPECT_EQ(UsableCores(), static_cast<unsigned>(CPU_COUNT(&before)));
    int first = 0;
    while (!CPU_ISSET(first, &before)) ++first;
    cpu_set_t one;
    CPU_ZERO(&one);
    CPU_SET(first, &one);
    ASSERT_EQ(sched_setaffinity(0, sizeof one, &one), 0);
    const unsigned onOneCore = UsableCores();
    sched_setaffinity(0, sizeof before, &before);
    EXPECT_EQ(onOneCore, 1u);
}

}  // namespace

}  // namespace rv17
