// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "data/record_lists.h"
#include "fixtures/image_builder.h"
#include "platform/colours.h"
#include "platform/scripted_prompts.h"
#include "platform/window_template.h"
#include "screens/headless_driver.h"

namespace mirelta {
namespace {

// A full-span sweep with a few transponder humps over a noise floor.
fixtures::ImageBuilder SweepImage() {
    fixtures::SpectrumFields fields;
    fields.label = "Bench";
    fields.leftFrequency = 2150;
    fields.cursorFrequency = 1550;
    fields.rightFrequency = 950;
    fields.cursorLevel = 60;
    for (int i = 0; i < 150; ++i) {
        const double hump = 18.0 * std::pow(std::sin(i * 0.21), 2.0);
        fields.levels[i] = static_cast<std::int8_t>(42 + hump + (i * 7) % 3);
    }
    return fixtures::ImageBuilder().addSpectrum(0, fields);
}

// The document showing the Spectrum screen for the bench sweep.
struct SpectrumWindow {
    SpectrumWindow() {
        driver.open("sweep.dat", SweepImage().image());
        logic.show(ScreenKind::Spectrum);
    }
    HeadlessDriver driver;
    Document& logic = driver.document();
};

void BM_PlainFill(benchmark::State& state) {
    QImage image(720, 480, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(colours::PanelGrey);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PlainFill)->Unit(benchmark::kMicrosecond);

void BM_WindowRepaint(benchmark::State& state) {
    SpectrumWindow window;
    for (auto _ : state) {
        window.logic.repaint();
        benchmark::DoNotOptimize(window.logic.clientImage().constBits());
    }
}
BENCHMARK(BM_WindowRepaint)->Unit(benchmark::kMicrosecond);

void BM_PointerMove(benchmark::State& state) {
    SpectrumWindow window;
    int x = 100;
    for (auto _ : state) {
        x = x < 680 ? x + 3 : 100;
        window.logic.TrackCursor(QPoint(x, 200));
        window.logic.RedrawTrace();
        benchmark::DoNotOptimize(window.logic.clientImage().constBits());
    }
}
BENCHMARK(BM_PointerMove)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace mirelta
