// SPDX-License-Identifier: GPL-3.0-or-later
// PNG encoding of replica screens at each writer quality, for choosing the zlib level: the
// ratio is the time against the default level's, `bytes` the encoded size.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QImageWriter>
#include <filesystem>

#include "bench_images.h"
#include "platform/scripted_prompts.h"
#include "platform/window_template.h"
#include "ratio_loop.h"
#include "screens/headless_driver.h"

namespace mirelta::bench {
namespace {

// The three screens of a full memory, one picture each.
std::vector<QImage> Screens() {
    const auto path = std::filesystem::temp_directory_path() / "mirelta-png-bench.dat";
    FullImage().writeTo(path);
    HeadlessDriver driver;
    driver.open(path.string());
    std::filesystem::remove(path);
    std::vector<QImage> screens;
    for (const ScreenKind kind : kSnapshotKinds) {
        driver.document().show(kind);
        screens.push_back(driver.document().clientImage().copy());
    }
    return screens;
}

qint64 Encode(const std::vector<QImage>& screens, int quality) {
    qint64 bytes = 0;
    for (const QImage& screen : screens) {
        QByteArray data;
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "png");
        writer.setQuality(quality);
        writer.write(screen);
        bytes += data.size();
    }
    return bytes;
}

void BM_EncodePng(benchmark::State& state) {
    const std::vector<QImage> screens = Screens();
    const int quality = static_cast<int>(state.range(0));
    RatioLoop(
        state, [&] { Encode(screens, quality); }, [&] { Encode(screens, -1); });
    state.counters["bytes"] = static_cast<double>(Encode(screens, quality));
}
BENCHMARK(BM_EncodePng)
    ->ArgName("quality")
    ->Arg(-1)
    ->Arg(0)
    ->Arg(20)
    ->Arg(40)
    ->Arg(60)
    ->Arg(80)
    ->Arg(90)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mirelta::bench
