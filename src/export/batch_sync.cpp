// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/batch_sync.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <set>
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

std::vector<std::pair<std::filesystem::path, SaveResult>> SyncFileSystems(
    const std::vector<std::filesystem::path>& folders) {
    std::vector<std::pair<std::filesystem::path, SaveResult>> failures;
    std::set<dev_t> flushed;
    for (const std::filesystem::path& folder : folders) {
        struct stat info {};
        if (::stat(folder.c_str(), &info) == 0 && !flushed.insert(info.st_dev).second) {
            continue;
        }
        if (SaveResult synced = SyncFileSystem(folder); !synced.ok()) {
            failures.emplace_back(folder, std::move(synced));
        }
    }
    return failures;
}

}  // namespace mirelta
