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
#include "screens/main_window_logic.h"

namespace mirelta::bench {
namespace {

struct ScreenCase {
    int uiEntry;
    int list;
    void (MainWindowLogic::*onListChange)();
};

const ScreenCase kScreens[] = {
    {0, ids::FindList, &MainWindowLogic::OnFindListChange},
    {1, ids::ConstellationList, &MainWindowLogic::OnConstellationListChange},
    {2, ids::SpectrumList, &MainWindowLogic::OnSpectrumListChange},
};

// The window's logic with a full memory open on the given screen, counting its paints.
struct OpenWindow {
    explicit OpenWindow(const ScreenCase& screen) {
        const auto path = std::filesystem::temp_directory_path() / "mirelta-bench-full.dat";
        FullImage().writeTo(path);
        logic.OnInitDialog();
        logic.OpenPath(path.string());
        std::filesystem::remove(path);
        logic.controls().setSelection(ids::UiList, screen.uiEntry);
        logic.OnUiListChange();
        logic.compositor().onPainted = [this] { ++paints; };
    }
    ScriptedPrompts prompts;
    MainWindowLogic logic{prompts};
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
        state, [&] { window.logic.compositor().repaintWindow(); }, Fill());
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
            window.logic.controls().setSelection(screen.list, entry);
            (window.logic.*screen.onListChange)();
        },
        Fill());
    state.counters["paints"] =
        static_cast<double>(window.paints) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_Pick)->ArgName("screen")->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace mirelta::bench
