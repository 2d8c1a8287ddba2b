// SPDX-License-Identifier: GPL-3.0-or-later
// BMP encoding of one replica picture at each depth, against a memcpy of the same size.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <cstring>
#include <vector>

#include "export/bmp_writer.h"
#include "platform/colours.h"
#include "ratio_loop.h"

namespace mirelta::bench {
namespace {

// Flat colours with a few edges, like a replica screen.
QImage Picture() {
    QImage image(720, 480, QImage::Format_RGB32);
    image.fill(colours::PanelGrey);
    for (int y = 60; y < 340; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 75; x < 695; ++x) {
            line[x] = y > 200 + (x % 50) ? qRgb(0, 255, 0) : qRgb(8, 8, 8);
        }
    }
    return image;
}

void BM_EncodeBmp(benchmark::State& state) {
    const int depth = static_cast<int>(state.range(0));
    const QImage picture = Picture();
    const std::size_t size = 54 + static_cast<std::size_t>((720 * depth / 8 + 3) & ~3) * 480;
    std::vector<char> source(size, 1);
    std::vector<char> target(size);
    std::vector<std::uint8_t> encoded;  // reused, as export-all does
    RatioLoop(
        state,
        [&] {
            EncodeBmpInto(picture, depth, encoded);
            benchmark::DoNotOptimize(encoded.data());
        },
        [&] {
            std::memcpy(target.data(), source.data(), size);
            benchmark::DoNotOptimize(target.data());
        });
}
BENCHMARK(BM_EncodeBmp)->ArgName("depth")->Arg(16)->Arg(24)->Arg(32)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace mirelta::bench

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
