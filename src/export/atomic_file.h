#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace mirelta {

struct SaveResult {
    bool ok = false;
    std::string reason;  // why a save failed, in words for the user; empty on success
};

// Flushed: the file is on the disk before it replaces the target. Deferred: the flush is left to
// the caller, who makes a whole batch durable at once (SyncFileSystem).
enum class Durability { Flushed, Deferred };

// Writes bytes to a new file in the target's folder, flushes it to the disk and only then renames
// it over the target. On failure the target is left as it was and the temporary file is removed.
// A symbolic link is followed, so the file it points at gets the new bytes.
SaveResult WriteFileAtomically(const std::filesystem::path& target,
                               std::span<const std::uint8_t> bytes,
                               Durability durability = Durability::Flushed);

}  // namespace mirelta
