// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <optional>
#include <thread>

#include "export/write_all.h"

namespace mirelta {
namespace {

namespace fs = std::filesystem;

constexpr int kMaxLinkHops = 40;  // the kernel's own limit before ELOOP

// Where a chain of links ends when its last target does not exist yet; errno is set on failure.
std::optional<fs::path> FollowDanglingLinks(fs::path path) {
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return path;
        }
        std::error_code ec;
        const fs::path next = fs::read_symlink(path, ec);
        if (ec) {
            errno = ec.value();
            return std::nullopt;
        }
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    errno = ELOOP;
    return std::nullopt;
}

// A FIFO opened for writing without a reader fails with ENXIO; give a reader the usual grace.
int OpenStream(const fs::path& target, bool isFifo, int linkFlag) {
    const auto deadline = std::chrono::steady_clock::now() + kStalledWriteLimit;
    for (;;) {
        const int fd =
            ::open(target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK | linkFlag);
        if (fd >= 0 || errno != ENXIO || !isFifo) {
            return fd;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            errno = ETIMEDOUT;
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

// Devices, FIFOs and sockets take the bytes in place, as cp does; the node itself stays.
SaveResult WriteIntoNode(const fs::path& target, std::span<const std::uint8_t> bytes, bool isFifo,
                         int linkFlag) {
    const int fd = OpenStream(target, isFifo, linkFlag);
    if (fd < 0) {
        return SystemFailure(errno == ETIMEDOUT ? SaveError::TimedOut : SaveError::OpenFailed,
                             errno);
    }
    const int error = WriteAll(fd, bytes);
    const int closeError = ::close(fd) == 0 ? 0 : errno;
    if (error != 0 || closeError != 0) {
        const int first = error != 0 ? error : closeError;
        return SystemFailure(first == ETIMEDOUT ? SaveError::TimedOut : SaveError::WriteFailed,
                             first);
    }
    return {};
}

SaveResult WriteToStandardOutput(std::span<const std::uint8_t> bytes) {
    if (const int error = WriteAll(STDOUT_FILENO, bytes); error != 0) {
        return SystemFailure(error == ETIMEDOUT ? SaveError::TimedOut : SaveError::WriteFailed,
                             error);
    }
    return {};
}

// An existing regular file is replaced only when a plain open for writing would be allowed, so
// the rename never gets past the file's own permissions.
SaveResult ReplaceRegularFile(const fs::path& target, std::span<const std::uint8_t> bytes,
                              Durability durability, int linkFlag) {
    std::error_code ec;
    const fs::path file =
        linkFlag == 0 && fs::is_symlink(target, ec) ? fs::canonical(target, ec) : target;
    if (ec) {
        return SystemFailure(SaveError::OpenFailed, ec.value());
    }
    const int probe = ::open(file.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK | linkFlag);
    if (probe < 0) {
        return SystemFailure(SaveError::OpenFailed, errno);
    }
    ::close(probe);
    return WriteFileAtomically(file, bytes, durability);
}

SaveResult CreateNewFile(const fs::path& target, std::span<const std::uint8_t> bytes,
                         Durability durability) {
    const std::optional<fs::path> file = FollowDanglingLinks(target);
    if (!file) {
        return SystemFailure(SaveError::OpenFailed, errno);
    }
    return WriteFileAtomically(*file, bytes, durability);
}

// Writes over what `info` says is at `target`; linkFlag O_NOFOLLOW makes every open refuse a
// link that appears there in the meantime.
SaveResult WriteByType(const fs::path& target, const struct stat& info,
                       std::span<const std::uint8_t> bytes, Durability durability, int linkFlag) {
    switch (info.st_mode & S_IFMT) {
        case S_IFREG:
            return ReplaceRegularFile(target, bytes, durability, linkFlag);
        case S_IFCHR:
        case S_IFSOCK:
            return WriteIntoNode(target, bytes, false, linkFlag);
        case S_IFIFO:
            return WriteIntoNode(target, bytes, true, linkFlag);
        case S_IFDIR:
            return SaveFailure(SaveError::UnsupportedTarget, "it is a folder");
        case S_IFBLK:
            return SaveFailure(SaveError::UnsupportedTarget, "it is a block device");
        default:
            return SaveFailure(SaveError::UnsupportedTarget, "it is not a file");
    }
}

}  // namespace

SaveResult WriteOutputFile(const fs::path& target, std::span<const std::uint8_t> bytes,
                           Durability durability) {
    if (target.empty()) {
        return SaveFailure(SaveError::NoFileName, "no file name was given");
    }
    if (target == "-") {
        return WriteToStandardOutput(bytes);
    }
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0) {
        if (errno == ENOENT) {
            return CreateNewFile(target, bytes, durability);
        }
        return SystemFailure(SaveError::OpenFailed, errno);
    }
    return WriteByType(target, info, bytes, durability, 0);
}

SaveResult WriteBatchFile(const fs::path& target, std::span<const std::uint8_t> bytes) {
    struct stat info {};
    if (::lstat(target.c_str(), &info) != 0) {
        if (errno != ENOENT) {
            return SystemFailure(SaveError::OpenFailed, errno);
        }
    } else if (!S_ISLNK(info.st_mode)) {
        return WriteByType(target, info, bytes, Durability::Unsynced, O_NOFOLLOW);
    }
    // The rename puts the new file in place of the name itself, a link there included.
    return WriteFileAtomically(target, bytes, Durability::Unsynced);
}

}  // namespace mirelta
