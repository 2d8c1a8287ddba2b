#include "export/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <system_error>

namespace mirelta {
namespace {

std::string ErrorText(int error) {
    return std::generic_category().message(error);
}

SaveResult Failure(const std::string& what, int error) {
    return {false, what + ": " + ErrorText(error)};
}

// Resolves a symbolic link so that rename replaces the file it points at, not the link.
std::filesystem::path FinalPath(const std::filesystem::path& target) {
    std::error_code ec;
    if (std::filesystem::is_symlink(target, ec)) {
        auto resolved = std::filesystem::canonical(target, ec);
        if (!ec) {
            return resolved;
        }
    }
    return target;
}

// Opens a new file next to the target; O_EXCL so that no one else's file is ever reused.
int CreateTemporary(const std::filesystem::path& finalPath, std::filesystem::path& tempPath) {
    static thread_local std::mt19937 random{std::random_device{}()};
    const std::filesystem::path folder =
        finalPath.has_parent_path() ? finalPath.parent_path() : std::filesystem::path(".");
    // Shortened so that a target name near the length limit still leaves room for the suffix.
    const std::string stem = finalPath.filename().string().substr(0, 200);
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = folder / ("." + stem + "." + std::to_string(random() % 1000000) + ".tmp");
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

// Returns 0 or the errno of the failure; a write that makes no progress counts as a full disk.
int WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (written == 0) {
            return ENOSPC;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return 0;
}

SaveResult FillAndClose(int fd, const std::filesystem::path& finalPath,
                        std::span<const std::uint8_t> bytes, Durability durability) {
    struct stat existing {};
    // A replaced file keeps its permissions; a new one gets 0666 less the umask from open.
    if (::stat(finalPath.c_str(), &existing) == 0 && S_ISREG(existing.st_mode) &&
        ::fchmod(fd, existing.st_mode & 07777) != 0) {
        const int error = errno;
        ::close(fd);
        return Failure("cannot give the new file the old one's permissions", error);
    }
    if (const int error = WriteAll(fd, bytes); error != 0) {
        ::close(fd);
        return Failure("writing failed", error);
    }
    if (durability == Durability::Flushed && ::fsync(fd) != 0) {
        const int error = errno;
        ::close(fd);
        return Failure("flushing to the disk failed", error);
    }
    if (::close(fd) != 0) {
        return Failure("closing the file failed", errno);
    }
    return {true, {}};
}

}  // namespace

SaveResult WriteFileAtomically(const std::filesystem::path& target,
                               std::span<const std::uint8_t> bytes, Durability durability) {
    if (target.empty()) {
        return {false, "no file name was given"};
    }
    const std::filesystem::path finalPath = FinalPath(target);
    std::filesystem::path tempPath;
    const int fd = CreateTemporary(finalPath, tempPath);
    if (fd < 0) {
        return Failure("cannot create a file in the folder", errno);
    }
    SaveResult result = FillAndClose(fd, finalPath, bytes, durability);
    if (result.ok && ::rename(tempPath.c_str(), finalPath.c_str()) != 0) {
        result = Failure("cannot replace the file", errno);
    }
    if (!result.ok) {
        ::unlink(tempPath.c_str());
    }
    return result;
}

}  // namespace mirelta
