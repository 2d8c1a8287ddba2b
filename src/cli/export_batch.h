// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace mirelta::cli {

// One memory file ("-" for standard input) and the folder its pictures go to.
struct ExportSource {
    std::string path;
    std::filesystem::path folder;
};

struct ExportSettings {
    std::string format = "png";  // bmp, or any format the image plugins write
    int depth = 32;
    int language = 0;
    std::chrono::milliseconds readDeadline{};
};

struct ExportOutcome {
    int listed = 0;  // pictures the readable files' lists hold
    int written = 0;
    int exitCode = 0;  // kExitOk, or the first failure's code
};

// Writes one picture per listed record of every source, spread over `threads` threads, each
// file written under a temporary name and renamed, and the whole batch flushed to the disk once
// at the end. Every source is read once. Names and bytes are the same whatever the thread count.
// Failures are told on stderr in input order; a file that cannot be read gets no folder.
ExportOutcome ExportPictures(const std::vector<ExportSource>& sources,
                             const ExportSettings& settings, int threads);

}  // namespace mirelta::cli
