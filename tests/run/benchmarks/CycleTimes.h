#pragma once
// Times single cycles and reports their median and 99th percentile in
// microseconds as benchmark counters.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace tamberlo::test {

template <class Cycle, class Between>
void MeasureCycles(benchmark::State& state, int count, Cycle cycle, Between inBetween) {
    std::vector<double> us;
    us.reserve(static_cast<std::size_t>(count));
    for (auto _ : state) {
        us.clear();
        for (int i = 0; i < count; ++i) {
            const auto t0 = std::chrono::steady_clock::now();
            cycle();
            const auto t1 = std::chrono::steady_clock::now();
            us.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
            inBetween();
        }
    }
    double sum = 0;
    for (double x : us) sum += x;
    state.counters["mean_us"] = sum / static_cast<double>(us.size());
    std::sort(us.begin(), us.end());
    state.counters["median_us"] = us[us.size() / 2];
    state.counters["p99_us"] = us[us.size() * 99 / 100];
    state.counters["max_us"] = us.back();
    state.counters["cycles"] = static_cast<double>(us.size());
}

}  // namespace tamberlo::test
