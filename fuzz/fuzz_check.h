// A check of the fuzz targets that aborts with the failed condition, so that libFuzzer
// keeps the input (assert would vanish in a release build).
#pragma once

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                              \
    do {                                                                                   \
        if (!(condition)) {                                                                \
            std::fprintf(stderr, "check failed: %s (%s:%d)\n", #condition, __FILE__,       \
                         __LINE__);                                                        \
            std::abort();                                                                  \
        }                                                                                  \
    } while (0)
