// A property of a fuzz target: when it does not hold, the run stops and
// names it, under libFuzzer as in the corpus run of the tests.
#pragma once

#include <cstdio>
#include <cstdlib>

inline void pruefe(bool gilt, const char *was)
{
    if (!gilt) {
        std::fprintf(stderr, "Verletzt: %s\n", was);
        std::abort();
    }
}
