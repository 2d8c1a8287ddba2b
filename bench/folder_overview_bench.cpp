// SPDX-License-Identifier: GPL-3.0-or-later
// The folder overview over 1,000 meter files, against `sha256sum` reading the same files: when
// the first rows show, when the table is full, and the longest the event loop waits meanwhile.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QTableView>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "app/folder_overview_window.h"
#include "bench_images.h"
#include "logbook/logbook.h"
#include "ratio_loop.h"
#include "run_benchmarks.h"

namespace mirelta::bench {
namespace {

namespace fs = std::filesystem;

const fs::path kScratch = fs::temp_directory_path() / "mirelta-folder-overview-bench";
constexpr int kFiles = 1000;
constexpr int kStallProbeMs = 5;

// One file in ten has every slot used; the rest hold one to three snapshots, in ten folders.
void WriteFolder() {
    fs::remove_all(kScratch);
    for (int k = 0; k < kFiles; ++k) {
        const fs::path folder = kScratch / ("site" + std::to_string(k % 10));
        fs::create_directories(folder);
        const auto image = k % 10 == 0 ? FullImage() : SnapshotImage(k, 1 + k % 3);
        image.writeTo(folder / ("meter" + std::to_string(k) + ".dat"));
    }
}

double SecondsOf(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void Sha256Sum() {
    const std::string command =
        "find " + kScratch.string() + " -name '*.dat' -print0 | xargs -0 sha256sum >/dev/null";
    benchmark::DoNotOptimize(std::system(command.c_str()));
}

struct Fill {
    double firstRows = 0;  // seconds until the table painted its first rows
    double filled = 0;
    double longestStall = 0;
};

class FirstRowsPaint : public QObject {
  public:
    explicit FirstRowsPaint(const QTableView& table) : table_(table) {}
    std::optional<double> at;
    QElapsedTimer clock;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!at && event->type() == QEvent::Paint && table_.model()->rowCount() > 0) {
            at = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    const QTableView& table_;
};

Fill OpenOverview() {
    Fill fill;
    QElapsedTimer clock;
    clock.start();
    FolderOverviewWindow window(
        QString::fromStdString(kScratch.string()), {},
        [](const QString&, std::optional<ScreenKind>, int) {}, nullptr);
    FirstRowsPaint firstRows(window.table());
    firstRows.clock = clock;
    window.table().viewport()->installEventFilter(&firstRows);
    window.show();

    QEventLoop loop;
    QTimer probe;
    probe.setInterval(kStallProbeMs);
    qint64 last = clock.nsecsElapsed();
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        fill.longestStall = std::max(fill.longestStall, static_cast<double>(now - last) / 1e9);
        last = now;
        if (window.filled()) {
            loop.quit();
        }
    });
    probe.start();
    loop.exec();
    fill.filled = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    fill.firstRows = firstRows.at.value_or(fill.filled);
    return fill;
}

void BM_FolderOverview(benchmark::State& state) {
    WriteFolder();
    Fill total;
    double yardstick = 0;
    for (auto _ : state) {
        yardstick += SecondsOf(Sha256Sum);
        const Fill fill = OpenOverview();
        total.firstRows += fill.firstRows;
        total.filled += fill.filled;
        total.longestStall = std::max(total.longestStall, fill.longestStall);
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["ratio"] = total.filled / yardstick;
    state.counters["subject_ms"] = 1000 * total.filled / runs;
    state.counters["first_rows_ratio"] = total.firstRows / yardstick;
    state.counters["first_rows_subject_ms"] = 1000 * total.firstRows / runs;
    state.counters["stall_ratio"] = total.longestStall * runs / yardstick;
    state.counters["stall_subject_ms"] = 1000 * total.longestStall;
    fs::remove_all(kScratch);
}
BENCHMARK(BM_FolderOverview)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// The reading alone, one file at a time as the window's thread does it: the share of the fill
// that is the logbook's.
void BM_ReadFolderAlone(benchmark::State& state) {
    WriteFolder();
    RatioLoop(
        state,
        [] {
            for (const auto& file : logbook::MeterFilesUnder({kScratch})) {
                benchmark::DoNotOptimize(logbook::ReadLogFile(file, {}));
            }
        },
        Sha256Sum);
    fs::remove_all(kScratch);
}
BENCHMARK(BM_ReadFolderAlone)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

}  // namespace
}  // namespace mirelta::bench

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    return mirelta::bench::RunBenchmarks(argc, argv);
}
