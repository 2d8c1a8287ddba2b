// SPDX-License-Identifier: GPL-3.0-or-later
// `log` over a folder of many meter files, against hashing the same files with sha256sum: the
// one thing a logbook cannot skip is reading every byte.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_images.h"
#include "ratio_loop.h"
#include "run_benchmarks.h"

extern char** environ;

namespace mirelta::bench {
namespace {

namespace fs = std::filesystem;

const fs::path kScratch = fs::temp_directory_path() / "mirelta-log-bench";

// The command-line tool; MIRELTA_CLI picks another build of it.
std::string Cli() {
    const char* chosen = std::getenv("MIRELTA_CLI");
    return chosen != nullptr ? chosen : MIRELTA_CLI;
}

// Every fourth file is a full memory, the others hold one to three snapshots, spread over a few
// folders as a user's archive would be.
std::vector<std::string> WriteFiles(const fs::path& folder, int count) {
    fs::remove_all(folder);
    std::vector<std::string> files;
    for (int k = 0; k < count; ++k) {
        const fs::path sub = folder / ("site-" + std::to_string(k % 10));
        fs::create_directories(sub);
        const fs::path file = sub / ("meter-" + std::to_string(k) + ".dat");
        (k % 4 == 0 ? FullImage() : SnapshotImage(k, 1 + k % 3)).writeTo(file);
        files.push_back(file.string());
    }
    return files;
}

struct Run {
    bool ok = false;
    long peakKb = 0;
};

// Runs the program with stdout and stderr thrown away; its own peak resident memory comes back.
Run Spawn(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        return {};
    }
    int status = 0;
    struct rusage usage {};
    ::wait4(pid, &status, 0, &usage);
    return {WIFEXITED(status) && WEXITSTATUS(status) == 0, usage.ru_maxrss};
}

void BM_LogFolder(benchmark::State& state) {
    const auto count = static_cast<int>(state.range(0));
    const fs::path folder = kScratch / "files";
    std::vector<std::string> hash{"/usr/bin/sha256sum"};
    const std::vector<std::string> files = WriteFiles(folder, count);
    hash.insert(hash.end(), files.begin(), files.end());
    const std::vector<std::string> log{Cli(), "log", folder.string(), "--csv"};
    // Once each first, so that both find the files in the page cache.
    if (!Spawn(log).ok || !Spawn(hash).ok) {
        state.SkipWithError("log or sha256sum failed");
        return;
    }
    long peakKb = 0;
    RatioLoop(
        state, [&] { peakKb = std::max(peakKb, Spawn(log).peakKb); }, [&] { Spawn(hash); });
    state.counters["ms_per_file"] = state.counters["subject_ms"] / count;
    state.counters["peak_rss_mb"] = static_cast<double>(peakKb) / 1024;
    fs::remove_all(kScratch);
}
BENCHMARK(BM_LogFolder)
    ->ArgName("files")
    ->Arg(100)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();

}  // namespace
}  // namespace mirelta::bench

int main(int argc, char** argv) {
    return mirelta::bench::RunBenchmarks(argc, argv);
}
