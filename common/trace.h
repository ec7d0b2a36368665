// Developer traces: printf-style lines at the support library's success and
// failure points. They compile to nothing unless the build defines
// TOLMIC_DEVELOPER_TRACE, so the delivered programs produce no output.
#pragma once

#ifdef TOLMIC_DEVELOPER_TRACE
#include <cstdio>
#define DEV_TRACE(...) std::fprintf(stderr, __VA_ARGS__)
#else
#define DEV_TRACE(...) ((void)0)
#endif
