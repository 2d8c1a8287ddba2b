// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

#include "export/save_result.h"

namespace mirelta {

// How long a save waits for the disk. Synced flushes the new file before the rename and the folder
// after it, so a power cut leaves either the old file or the new one. Unsynced leaves both flushes
// to a caller that writes many files and flushes them once.
enum class Durability { Synced, Unsynced };

// Writes bytes to a new file in the folder of `file`, a regular file or a name not yet taken, and
// only then renames it over `file`. On failure `file` is left as it was and the temporary file is
// removed. The caller has already followed any links, so `file` is the path that gets replaced.
SaveResult WriteFileAtomically(const std::filesystem::path& file,
                               std::span<const std::uint8_t> bytes,
                               Durability durability = Durability::Synced);

}  // namespace mirelta
