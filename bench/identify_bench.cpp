// SPDX-License-Identifier: GPL-3.0-or-later
// Identifying the satellite: reading every installed satellite list and matching a full meter
// file against them, and the matching alone, each against reading and loading that meter file.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <iostream>

#include "analysis/satellite_identification.h"
#include "bench_images.h"
#include "data/record_lists.h"
#include "data/source_file.h"
#include "fixtures/scratch_folder.h"
#include "ratio_loop.h"
#include "run_benchmarks.h"

namespace mirelta::bench {
namespace {

// Reading and loading a full meter file, as opening one does.
struct MeterFile {
    fixtures::ScratchFolder folder;
    std::filesystem::path path = folder / "full.dat";
    MeterFile() { FullImage().writeTo(path); }

    RecordLists load() const {
        ReadResult read = ReadSourceFile(path);
        return Load(*read.image);
    }
};

bool TablesInstalled(benchmark::State& state) {
    if (std::filesystem::is_directory(analysis::kDefaultTablesFolder)) {
        return true;
    }
    state.SkipWithError("no satellite lists in /usr/share/dvb/dvb-s (dtv-scan-tables)");
    return false;
}

void BM_IdentifyReadAndMatch(benchmark::State& state) {
    if (!TablesInstalled(state)) {
        return;
    }
    const MeterFile file;
    const RecordLists lists = file.load();
    RatioLoop(
        state,
        [&] {
            const analysis::SatelliteTables tables = analysis::ReadSatelliteTables();
            benchmark::DoNotOptimize(analysis::IdentifySatellite(lists, tables));
        },
        [&] { benchmark::DoNotOptimize(file.load()); });
}
BENCHMARK(BM_IdentifyReadAndMatch)->Unit(benchmark::kMillisecond);

void BM_IdentifyMatch(benchmark::State& state) {
    if (!TablesInstalled(state)) {
        return;
    }
    const MeterFile file;
    const RecordLists lists = file.load();
    const analysis::SatelliteTables tables = analysis::ReadSatelliteTables();
    RatioLoop(
        state, [&] { benchmark::DoNotOptimize(analysis::IdentifySatellite(lists, tables)); },
        [&] { benchmark::DoNotOptimize(file.load()); });
}
BENCHMARK(BM_IdentifyMatch)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace mirelta::bench

int main(int argc, char** argv) {
    if (!std::filesystem::is_directory(mirelta::analysis::kDefaultTablesFolder)) {
        std::cout << "identify_bench: no satellite lists in "
                  << mirelta::analysis::kDefaultTablesFolder
                  << " (install dtv-scan-tables); skipped\n";
    }
    return mirelta::bench::RunBenchmarks(argc, argv);
}
