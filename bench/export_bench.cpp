// SPDX-License-Identifier: GPL-3.0-or-later
// export-all as a user runs it, against the plain work it cannot avoid.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bench_images.h"
#include "ratio_loop.h"

namespace mirelta::bench {
namespace {

namespace fs = std::filesystem;

const fs::path kScratch = fs::temp_directory_path() / "mirelta-export-bench";

bool Run(const std::string& command) {
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

// The command-line tool; MIRELTA_CLI picks another build of it.
std::string Cli() {
    const char* chosen = std::getenv("MIRELTA_CLI");
    return chosen != nullptr ? chosen : MIRELTA_CLI;
}

std::string ExportAll(const std::string& inputs, const fs::path& folder,
                      const std::string& format) {
    return Cli() + " export-all " + inputs + " -d " + folder.string() + " --format " + format;
}

void Fresh(const fs::path& folder) {
    fs::remove_all(folder);
    fs::create_directories(folder);
}

struct File {
    std::string name;
    std::vector<char> bytes;
};

std::vector<File> ReadAll(const fs::path& folder) {
    std::vector<File> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        files.push_back({entry.path().filename().string(),
                         std::vector<char>(std::istreambuf_iterator<char>(in), {})});
    }
    return files;
}

// The same bytes with plain writes and one sync of the file system at the end.
void PlainWrites(const std::vector<File>& files, const fs::path& folder) {
    for (const File& file : files) {
        const int fd = ::open((folder / file.name).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        benchmark::DoNotOptimize(::write(fd, file.bytes.data(), file.bytes.size()));
        ::close(fd);
    }
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    ::syncfs(dir);
    ::close(dir);
}

fs::path WriteFullImage() {
    fs::create_directories(kScratch);
    const fs::path image = kScratch / "full.dat";
    FullImage().writeTo(image);
    return image;
}

void BM_ExportAllBmp(benchmark::State& state) {
    const fs::path image = WriteFullImage();
    const fs::path reference = kScratch / "reference";
    Fresh(reference);
    if (!Run(ExportAll(image.string(), reference, "bmp"))) {
        state.SkipWithError("export-all failed");
        return;
    }
    const std::vector<File> files = ReadAll(reference);
    const fs::path out = kScratch / "out";
    const fs::path plain = kScratch / "plain";
    RatioLoop(
        state, [&] { Run(ExportAll(image.string(), out, "bmp")); },
        [&] { PlainWrites(files, plain); },
        [&] {
            Fresh(out);
            Fresh(plain);
        });
    fs::remove_all(kScratch);
}
BENCHMARK(BM_ExportAllBmp)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_ExportAllPng(benchmark::State& state) {
    const fs::path image = WriteFullImage();
    const fs::path out = kScratch / "out";
    RatioLoop(
        state, [&] { Run(ExportAll(image.string(), out, "png")); },
        [&] { Run("MIRELTA_THREADS=1 " + ExportAll(image.string(), out, "png")); },
        [&] { Fresh(out); });
    fs::remove_all(kScratch);
}
BENCHMARK(BM_ExportAllPng)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// 200 small files, each with one snapshot or with one of each kind (state.range(0)).
void BM_ExportManyFiles(benchmark::State& state) {
    constexpr int kFiles = 200;
    const fs::path inputs = kScratch / "inputs";
    Fresh(inputs);
    std::string all;
    for (int k = 0; k < kFiles; ++k) {
        const fs::path file = inputs / ("snap-" + std::to_string(k) + ".dat");
        SnapshotImage(k, static_cast<int>(state.range(0))).writeTo(file);
        all += " " + file.string();
    }
    const fs::path out = kScratch / "out";
    const fs::path loop = kScratch / "loop";
    Fresh(out);
    const fs::path last = out / "snap-199";
    if (!Run(ExportAll(all, out, "png")) || !fs::is_directory(last) || fs::is_empty(last)) {
        state.SkipWithError("export-all does not take several files");
        return;
    }
    RatioLoop(
        state, [&] { Run(ExportAll(all, out, "png")); },
        [&] {
            for (int k = 0; k < kFiles; ++k) {
                const std::string name = "snap-" + std::to_string(k);
                Run(ExportAll((inputs / (name + ".dat")).string(), loop / name, "png"));
            }
        },
        [&] {
            Fresh(out);
            Fresh(loop);
        });
    fs::remove_all(kScratch);
}
BENCHMARK(BM_ExportManyFiles)
    ->ArgName("snapshots")
    ->Arg(1)
    ->Arg(3)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();

}  // namespace
}  // namespace mirelta::bench
