// What happens when a bit vector cannot be allocated.

#include "encoding.h"

#include <gtest/gtest.h>

#include <fstream>
#include <limits>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace {
// The address space this process uses now, in bytes (0 when unknown).
rlim_t address_space_in_use()
{
    std::ifstream status("/proc/self/status");
    std::string field;
    rlim_t kilobytes = 0;
    while (status >> field)
        if (field == "VmSize:" && status >> kilobytes)
            break;
    return kilobytes * 1024;
}

// Caps the address space a little above what is in use, sends standard
// output to standard error (where the death test looks), and asks for the
// largest vector there is: 8 GiB.
void allocate_beyond_the_limit()
{
    constexpr rlim_t headroom = rlim_t{256} << 20;
    const rlimit cap{address_space_in_use() + headroom, RLIM_INFINITY};
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

TEST(allocation, small_and_empty_requests_give_usable_vectors)
{
    for (const std::int32_t n : {-1, 0, 1, 17}) {
        std::int32_t* bits = allocate_bits(n);
        ASSERT_NE(bits, nullptr);
        bits[0] = 1; // even an empty request gives one writable element
        release_bits(bits);
    }
}
