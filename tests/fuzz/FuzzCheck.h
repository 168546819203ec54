#pragma once

#include <cstdio>
#include <cstdlib>

// A promise the code under test broke. It ends the run like a crash, so that
// libFuzzer keeps the input and scripts/fuzz fails.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition);           \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
