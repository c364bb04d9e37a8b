#pragma once
// What a fuzz target checks beyond "no crash": a broken promise aborts with a message, so
// libFuzzer keeps the input that broke it.

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "broken: %s (%s:%d)\n", #condition, __FILE__, __LINE__);          \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
