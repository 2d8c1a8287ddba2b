// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>

#include "export/live_temporaries.h"
#include "export/temporary_name.h"
#include "export/write_all.h"

namespace mirelta {
namespace {

std::filesystem::path FolderOf(const std::filesystem::path& file) {
    return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

// Opens a new file next to the target; O_EXCL so that no one else's file is ever reused.
int CreateTemporary(const std::filesystem::path& file, std::filesystem::path& tempPath) {
    static thread_local std::mt19937 random{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = FolderOf(file) /
                   TemporaryNameFor(file.filename().string(), static_cast<unsigned>(random()));
        const int fd = CreateLiveTemporary(tempPath);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

SaveResult FillAndClose(int fd, const std::filesystem::path& file,
                        std::span<const std::uint8_t> bytes, Durability durability) {
    struct stat existing {};
    // A replaced file keeps its permissions; a new one, or one that replaces a link, gets 0666
    // less the umask from open.
    if (::lstat(file.c_str(), &existing) == 0 && S_ISREG(existing.st_mode) &&
        ::fchmod(fd, existing.st_mode & 07777) != 0) {
        const int error = errno;
        ::close(fd);
        return SystemFailure(SaveError::CreateFailed, error);
    }
    if (const int error = WriteAll(fd, bytes); error != 0) {
        ::close(fd);
        return SystemFailure(SaveError::WriteFailed, error);
    }
    if (durability == Durability::Unsynced) {
        // Starts the disk on this file now, so that the batch's one sync at the end has little
        // left to wait for. Only a hint: that sync reports any failure.
        ::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
    } else if (::fsync(fd) != 0) {
        const int error = errno;
        ::close(fd);
        return SystemFailure(SaveError::WriteFailed, error);
    }
    if (::close(fd) != 0) {
        return SystemFailure(SaveError::WriteFailed, errno);
    }
    return {};
}

// Makes the rename itself survive a power cut. File systems that cannot flush a folder say
// EINVAL; there is nothing more to do on those.
SaveResult SyncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return SystemFailure(SaveError::SyncFailed, errno);
    }
    const int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    if (error != 0 && error != EINVAL) {
        return SystemFailure(SaveError::SyncFailed, error);
    }
    return {};
}

}  // namespace

SaveResult WriteFileAtomically(const std::filesystem::path& file,
                               std::span<const std::uint8_t> bytes, Durability durability) {
    std::filesystem::path tempPath;
    const int fd = CreateTemporary(file, tempPath);
    if (fd < 0) {
        return SystemFailure(SaveError::CreateFailed, errno);
    }
    SaveResult result = FillAndClose(fd, file, bytes, durability);
    if (result.ok() && ::rename(tempPath.c_str(), file.c_str()) != 0) {
        result = SystemFailure(SaveError::ReplaceFailed, errno);
    }
    if (!result.ok()) {
        ::unlink(tempPath.c_str());
    }
    ForgetLiveTemporary(tempPath);
    if (result.ok() && durability == Durability::Synced) {
        return SyncFolder(FolderOf(file));
    }
    return result;
}

}  // namespace mirelta
