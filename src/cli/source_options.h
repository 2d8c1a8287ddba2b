// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <string>

namespace mirelta::cli {

// Where a command reads its image from: FILE ("-" for standard input) and the deadline for
// sources that are not regular files.
struct SourceOptions {
    std::string path;
    std::chrono::milliseconds deadline{};
};

}  // namespace mirelta::cli
