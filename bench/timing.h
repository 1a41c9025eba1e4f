#pragma once

#include <windows.h>

#include <algorithm>
#include <functional>
#include <vector>

// Timing for the driver benchmarks: each run timed alone, then the median,
// the 99th percentile and the slowest.

namespace vix::bench {

inline double NowMs() {
    LARGE_INTEGER frequency, count;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&count);
    return static_cast<double>(count.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

struct Figures {
    double median, p99, max;
};

// The figures of times measured one by one.
inline Figures FiguresOf(std::vector<double> t) {
    if (t.empty()) return {0, 0, 0};
    std::sort(t.begin(), t.end());
    return {t[t.size() / 2], t[t.size() * 99 / 100], t.back()};
}

// Times `work(i)` for i = 0 .. runs - 1.
inline Figures Time(int runs, const std::function<void(int)>& work) {
    std::vector<double> t;
    t.reserve(static_cast<std::size_t>(runs));
    for (int i = 0; i < runs; ++i) {
        const double t0 = NowMs();
        work(i);
        t.push_back(NowMs() - t0);
    }
    return FiguresOf(std::move(t));
}

}  // namespace vix::bench
