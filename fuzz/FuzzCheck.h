#pragma once

#include <cstdio>

// Checking code stays out of the coverage that steers the fuzzer: only the core's own branches
// count as progress, and the checks run faster.
#define KAZUYOMI_FUZZ_CHECK __attribute__((no_sanitize("coverage")))

namespace kazuyomi::fuzz {

// Stops the run on a broken property; the message names it so that a crash report says which.
KAZUYOMI_FUZZ_CHECK inline void require(bool holds, const char* property)
{
    if (holds) return;
    std::fprintf(stderr, "broken property: %s\n", property);
    __builtin_trap();
}

}  // namespace kazuyomi::fuzz
