// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/live_temporaries.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <mutex>
#include <set>

namespace mirelta {
namespace {

// Creating and recording happen under one lock, so that the removal never misses a file that
// exists.
struct Registry {
    std::mutex mutex;
    std::set<std::filesystem::path> paths;
    bool closed = false;
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

}  // namespace

int CreateLiveTemporary(const std::filesystem::path& path) {
    Registry& registry = TheRegistry();
    const std::lock_guard lock(registry.mutex);
    if (registry.closed) {
        errno = EINTR;
        return -1;
    }
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
        registry.paths.insert(path);
    }
    return fd;
}

void ForgetLiveTemporary(const std::filesystem::path& path) {
    Registry& registry = TheRegistry();
    const std::lock_guard lock(registry.mutex);
    registry.paths.erase(path);
}

void RemoveLiveTemporaries() {
    Registry& registry = TheRegistry();
    const std::lock_guard lock(registry.mutex);
    registry.closed = true;
    for (const std::filesystem::path& path : registry.paths) {
        ::unlink(path.c_str());
    }
    registry.paths.clear();
}

}  // namespace mirelta
