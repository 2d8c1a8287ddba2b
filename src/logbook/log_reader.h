// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <functional>
#include <vector>

#include "logbook/logbook.h"

namespace mirelta::logbook {

// Called on the calling thread with each file in input order; false stops the reading.
using TakeLogFile = std::function<bool(LogFile file)>;

// Reads `paths` with ReadLogFile on `threads` threads. At most two files per thread are read
// ahead of the one `take` gets next, so memory stays the same however many files there are.
void ReadLogFiles(const std::vector<std::filesystem::path>& paths, const LogSettings& settings,
                  int threads, const TakeLogFile& take);

}  // namespace mirelta::logbook
