// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

#include "export/atomic_file.h"
#include "export/save_result.h"

namespace mirelta {

// Saves bytes at `target` in the way that suits what is there:
// - a regular file, a free name, or a link to either (a dangling link included) is replaced
//   atomically (WriteFileAtomically); links stay and their target gets the bytes;
// - an existing file that a plain open for writing refuses is left alone, with the reason;
// - a character device, FIFO or socket is written straight into and never replaced;
// - "-" is standard output;
// - anything else (a folder, a block device) is refused.
SaveResult WriteOutputFile(const std::filesystem::path& target, std::span<const std::uint8_t> bytes,
                           Durability durability = Durability::Synced);

// Saves one picture of a batch under a name the batch made up, so no link there is ever followed:
// a link is replaced by the file itself and what it points to stays untouched; otherwise as
// WriteOutputFile, with the flush left to the batch (Durability::Unsynced).
SaveResult WriteBatchFile(const std::filesystem::path& target, std::span<const std::uint8_t> bytes);

}  // namespace mirelta
