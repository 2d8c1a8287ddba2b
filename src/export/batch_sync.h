// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <utility>
#include <vector>

#include "export/save_result.h"

namespace mirelta {

// Flushes the file system that holds `folder` to the disk: every file written and renamed there
// with Durability::Unsynced becomes durable by this one call.
SaveResult SyncFileSystem(const std::filesystem::path& folder);

// SyncFileSystem once for each file system among `folders`; the folders whose flush failed, with
// the reason.
std::vector<std::pair<std::filesystem::path, SaveResult>> SyncFileSystems(
    const std::vector<std::filesystem::path>& folders);

}  // namespace mirelta
