// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/batch_sync.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace mirelta {

SaveResult SyncFileSystem(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return SaveFailure(SaveError::SyncFailed, "cannot open " + folder.string() + ": " +
                                                      std::generic_category().message(errno));
    }
    const bool flushed = ::syncfs(fd) == 0;
    const int error = errno;
    ::close(fd);
    if (!flushed) {
        return SystemFailure(SaveError::SyncFailed, error);
    }
    return {};
}

}  // namespace mirelta
