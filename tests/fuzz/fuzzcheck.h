#pragma once

#include <QString>

#include <cstdio>
#include <cstdlib>

// A broken property stops the fuzzer with the input that broke it (libFuzzer saves it as a
// crash artifact).
#define FUZZ_CHECK(condition, what)                                                                \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "property broken: %s\n  (%s, %s:%d)\n", qPrintable(what),         \
                         #condition, __FILE__, __LINE__);                                          \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
