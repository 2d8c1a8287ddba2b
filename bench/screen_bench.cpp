// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-window repaints and record picks on each screen, against one plain fill.
#include <benchmark/benchmark.h>

#include <QImage>
#include <filesystem>
#include <functional>

#include "bench_images.h"
#include "platform/colours.h"
#include "platform/scripted_prompts.h"
#include "platform/window_template.h"
#include "ratio_loop.h"
#include "screens/headless_driver.h"

namespace mirelta::bench {
namespace {

struct ScreenCase {
    ScreenKind kind;
    int list;
};

const ScreenCase kScreens[] = {
    {ScreenKind::Find, ids::FindList},
    {ScreenKind::Constellation, ids::ConstellationList},
    {ScreenKind::Spectrum, ids::SpectrumList},
};

// The document with a full memory open on the given screen, counting its paints.
struct OpenWindow {
    explicit OpenWindow(const ScreenCase& screen) {
        const auto path = std::filesystem::temp_directory_path() / "mirelta-bench-full.dat";
        FullImage().writeTo(path);
        driver.open(path.string());
        std::filesystem::remove(path);
        logic.show(screen.kind);
        QObject::connect(&logic, &Document::painted, [this] { ++paints; });
    }
    HeadlessDriver driver;
    Document& logic = driver.document();
    long paints = 0;
};

std::function<void()> Fill() {
    auto image = std::make_shared<QImage>(720, 480, QImage::Format_RGB32);
    return [image] {
        image->fill(colours::PanelGrey);
        benchmark::DoNotOptimize(image->constBits());
    };
}

void BM_Repaint(benchmark::State& state) {
    OpenWindow window(kScreens[state.range(0)]);
    RatioLoop(
        state, [&] { window.logic.repaint(); }, Fill());
}
BENCHMARK(BM_Repaint)->ArgName("screen")->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

void BM_Pick(benchmark::State& state) {
    const ScreenCase& screen = kScreens[state.range(0)];
    OpenWindow window(screen);
    int entry = 0;
    RatioLoop(
        state,
        [&] {
            entry = (entry + 1) % 8;
            window.logic.choose(screen.list, entry);
        },
        Fill());
    state.counters["paints"] =
        static_cast<double>(window.paints) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_Pick)->ArgName("screen")->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace mirelta::bench
