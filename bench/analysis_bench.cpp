// SPDX-License-Identifier: GPL-3.0-or-later
// Carrier detection: its accuracy on synthetic sweeps, printed first, and the cost of analysing
// one sweep against one repaint of the Spectrum screen.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <iostream>

#include "analysis/carrier_detection.h"
#include "analysis/sweep.h"
#include "detection_accuracy.h"
#include "ratio_loop.h"
#include "run_benchmarks.h"
#include "screens/headless_driver.h"

namespace mirelta::bench {
namespace {

constexpr std::uint32_t kSeed = 20240611;
constexpr int kSweepsPerLayout = 2000;
constexpr int kNoiseSweeps = 1000;

void BM_AnalyseSweep(benchmark::State& state) {
    SweepGenerator generator(kSeed);
    fixtures::ImageBuilder builder;
    std::vector<SyntheticSweep> sweeps;
    for (int slot = 0; slot < SourceImage::kSpectrumSlots; ++slot) {
        sweeps.push_back(generator.next(slot % 2 ? Layout::Packed : Layout::Scattered));
        builder.addSpectrum(slot, sweeps.back().fields);
    }
    const std::vector<SpectrumRecord> records = RecordsOf(sweeps);
    HeadlessDriver driver;
    driver.open("synthetic.dat", builder.image());
    driver.document().show(ScreenKind::Spectrum);
    std::size_t next = 0;
    RatioLoop(
        state,
        [&] {
            next = (next + 1) % records.size();
            benchmark::DoNotOptimize(analysis::DetectCarriers(analysis::SweepOf(records[next])));
        },
        [&] { driver.document().repaint(); });
}
BENCHMARK(BM_AnalyseSweep)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace mirelta::bench

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    mirelta::bench::PrintDetectionAccuracy(std::cout, mirelta::bench::kSeed,
                                           mirelta::bench::kSweepsPerLayout,
                                           mirelta::bench::kNoiseSweeps);
    std::cout << std::endl;
    return mirelta::bench::RunBenchmarks(argc, argv);
}
