// The clock of the benchmarks: seconds from the performance counter.
#ifndef SKYLOOK_BENCH_CLOCK_H
#define SKYLOOK_BENCH_CLOCK_H

#include <windows.h>

inline double Now()
{
    static const double frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER counter;
    ::QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / frequency;
}

#endif
