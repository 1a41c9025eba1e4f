#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

// Timing for the native benchmarks, which run without Windows: one piece of
// work timed on the steady clock, and the median of the runs.

namespace vix::bench {

inline double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

template <typename F>
double ElapsedMs(F&& f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

}  // namespace vix::bench
