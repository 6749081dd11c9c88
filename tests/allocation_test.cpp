// What happens when a bit vector cannot be allocated.

#include "encoding.h"

#include <gtest/gtest.h>

#include <fstream>
#include <limits>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace {
// Caps the address space 256 MiB above what is in use, sends standard
// output to standard error (where the death test looks), and asks for the
// largest vector there is: 8 GiB.
void allocate_beyond_the_limit()
{
    std::ifstream status("/proc/self/status");
    std::string field;
    rlim_t kilobytes = 0;
    while (status >> field && !(field == "VmSize:" && status >> kilobytes)) {
    }
    const rlimit cap{(kilobytes << 10) + (rlim_t{256} << 20), RLIM_INFINITY};
    setrlimit(RLIMIT_AS, &cap);
    dup2(STDERR_FILENO, STDOUT_FILENO);
    release_bits(allocate_bits(std::numeric_limits<std::int32_t>::max()));
}
} // namespace

TEST(allocation_failure_death_test, prints_the_message_and_exits_with_1)
{
    EXPECT_EXIT(allocate_beyond_the_limit(), testing::ExitedWithCode(1),
                "Falta memoria para alocar o vetor de ponteiros$");
}

TEST(allocation, empty_requests_still_give_a_usable_vector)
{
    for (const std::int32_t n : {-1, 0}) {
        std::int32_t* bits = allocate_bits(n);
        ASSERT_NE(bits, nullptr);
        bits[0] = 1; // under the sanitizers, writing past the block would fail
        release_bits(bits);
    }
}
