// Developer traces: printf-style lines at the support library's success and
// failure points. Unless the build defines TOLMIC_DEVELOPER_TRACE they
// compile to nothing (the arguments are still type-checked), so the
// delivered programs produce no output.
#pragma once

#include <cstdio>

#ifdef TOLMIC_DEVELOPER_TRACE
#define DEV_TRACE(...) std::fprintf(stderr, __VA_ARGS__)
#else
#define DEV_TRACE(...)                       \
    do {                                     \
        if (false)                           \
            std::fprintf(stderr, __VA_ARGS__); \
    } while (0)
#endif
