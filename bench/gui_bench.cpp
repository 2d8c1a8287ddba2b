// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop window: how long it takes to come up with a file's screen on it, against a Qt
// hello-world dialog, and what it costs while nothing changes on the Spectrum screen.
#include <benchmark/benchmark.h>
#include <time.h>

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/mirelta_dlg.h"
#include "app/qt_prompts.h"
#include "app/replica_view.h"
#include "bench_images.h"
#include "platform/window_template.h"
#include "ratio_loop.h"
#include "run_benchmarks.h"

namespace mirelta::bench {
namespace {

namespace fs = std::filesystem;

const fs::path kScratch = fs::temp_directory_path() / "mirelta-gui-bench";

fs::path WriteFullImage() {
    fs::create_directories(kScratch);
    const fs::path image = kScratch / "full.dat";
    FullImage().writeTo(image);
    return image;
}

// Every program ends itself right after its first painted frame. They run on the platform this
// benchmark runs on (bench/run chooses offscreen, so no display is needed).
void StartUntilPainted(const std::string& program) {
    const std::string command =
        "MIRELTA_EXIT_AFTER_FIRST_PAINT=1 XDG_CONFIG_HOME=" + (kScratch / "config").string() +
        " timeout 30 " + program + " >/dev/null 2>&1";
    benchmark::DoNotOptimize(std::system(command.c_str()));
}

void BM_ColdStart(benchmark::State& state) {
    const fs::path image = WriteFullImage();
    RatioLoop(
        state, [&] { StartUntilPainted(std::string(MIRELTA_GUI) + " " + image.string()); },
        [] { StartUntilPainted(HELLO_DIALOG); });
    fs::remove_all(kScratch);
}
BENCHMARK(BM_ColdStart)->Unit(benchmark::kMillisecond)->Iterations(20)->UseRealTime();

// The toolkit's share: the viewer's window shape alone, without anything the viewer does.
void BM_ColdStartBareWindow(benchmark::State& state) {
    RatioLoop(
        state, [] { StartUntilPainted(BARE_WINDOW_DIALOG); },
        [] { StartUntilPainted(HELLO_DIALOG); });
}
BENCHMARK(BM_ColdStartBareWindow)->Unit(benchmark::kMillisecond)->Iterations(20)->UseRealTime();

class PaintCounter : public QObject {
  public:
    int paints = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return QObject::eventFilter(watched, event);
    }
};

double ProcessCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// CPU seconds the process spends while the event loop runs for `seconds` with nothing to do.
double IdleCpuSeconds(double seconds) {
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(seconds * 1000), &loop, &QEventLoop::quit);
    const double before = ProcessCpuSeconds();
    loop.exec();
    return ProcessCpuSeconds() - before;
}

void Settle() {
    IdleCpuSeconds(0.3);
}

void BM_IdleSpectrum(benchmark::State& state) {
    constexpr double kSeconds = 3;
    const fs::path image = WriteFullImage();
    double subject = 0;
    double yardstick = 0;
    int paints = 0;
    for (auto _ : state) {
        QDialog hello;
        (new QVBoxLayout(&hello))->addWidget(new QLabel(QStringLiteral("Hello, world"), &hello));
        hello.show();
        Settle();
        yardstick += IdleCpuSeconds(kSeconds);
        hello.hide();

        QtPrompts prompts;
        CMireltaDlg window(prompts);
        prompts.setOwner(&window);
        window.OpenSource(image.string());
        window.document().show(ScreenKind::Spectrum);
        window.show();
        Settle();
        PaintCounter counter;
        window.findChild<ReplicaView*>()->installEventFilter(&counter);
        subject += IdleCpuSeconds(kSeconds);
        paints += counter.paints;
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["ratio"] = yardstick > 0 ? subject / yardstick : 0;
    state.counters["subject_ms"] = 1000 * subject / runs;
    state.counters["cpu_percent"] = 100 * subject / (kSeconds * runs);
    state.counters["paints"] = paints;
    fs::remove_all(kScratch);
}
BENCHMARK(BM_IdleSpectrum)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace
}  // namespace mirelta::bench

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qputenv("XDG_CONFIG_HOME", (mirelta::bench::kScratch / "config").string().c_str());
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mirelta"));
    return mirelta::bench::RunBenchmarks(argc, argv);
}
