// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

namespace mirelta {

// The temporary files this process is writing right now, so that an interrupted run can remove
// them before it ends.

// Creates `path` (O_EXCL, mode 0666 less the umask) for writing and records it; returns the file
// descriptor, or -1 with errno set (EINTR once RemoveLiveTemporaries has run).
int CreateLiveTemporary(const std::filesystem::path& path);

// Called once the temporary file has been renamed into place or removed.
void ForgetLiveTemporary(const std::filesystem::path& path);

// Removes every recorded temporary file and refuses new ones from then on; for a process that is
// about to end.
void RemoveLiveTemporaries();

}  // namespace mirelta
