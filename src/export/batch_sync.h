// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

#include "export/save_result.h"

namespace mirelta {

// Flushes the file system that holds `folder` to the disk: every file written and renamed there
// with Durability::Unsynced becomes durable by this one call.
SaveResult SyncFileSystem(const std::filesystem::path& folder);

}  // namespace mirelta
