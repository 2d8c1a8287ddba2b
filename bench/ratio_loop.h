// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <benchmark/benchmark.h>

#include <chrono>

namespace mirelta::bench {

// Runs the yardstick and the subject alternately, each timed on its own, and reports the
// subject's time as a multiple of the yardstick's: on a shared machine the ratio of two figures
// taken side by side is steadier than either figure.
// `prepare`, untimed, runs before each pair.
template <typename Subject, typename Yardstick, typename Prepare = void (*)()>
void RatioLoop(
    benchmark::State& state, Subject&& subject, Yardstick&& yardstick, Prepare&& prepare = [] {}) {
    using Clock = std::chrono::steady_clock;
    double subjectSeconds = 0;
    double yardstickSeconds = 0;
    for (auto _ : state) {
        state.PauseTiming();
        prepare();
        state.ResumeTiming();
        const auto t0 = Clock::now();
        yardstick();
        const auto t1 = Clock::now();
        subject();
        const auto t2 = Clock::now();
        yardstickSeconds += std::chrono::duration<double>(t1 - t0).count();
        subjectSeconds += std::chrono::duration<double>(t2 - t1).count();
    }
    state.counters["ratio"] = yardstickSeconds > 0 ? subjectSeconds / yardstickSeconds : 0;
    state.counters["subject_ms"] = 1000 * subjectSeconds / static_cast<double>(state.iterations());
}

}  // namespace mirelta::bench
