// SPDX-License-Identifier: GPL-3.0-or-later
// Saving over whatever is at the target: files and links are replaced atomically, devices, FIFOs
// and sockets are written into and kept, and anything else is refused and left alone.
#include "export/output_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <future>

#include "ordinary_user.h"
#include "test_support.h"

namespace mirelta {
namespace {

namespace fs = std::filesystem;

const std::vector<std::uint8_t> kOldBytes{'o', 'l', 'd'};
const std::vector<std::uint8_t> kNewBytes = [] {
    std::vector<std::uint8_t> bytes(200000);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 13 + 5);
    }
    return bytes;
}();

mode_t FileType(const fs::path& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 ? (info.st_mode & S_IFMT) : 0;
}

TEST(OutputFile, LinkToAFileIsFollowedAndKept) {
    test::ScratchFolder folder;
    fs::create_directory(folder.path() / "real");
    const fs::path real = folder.path() / "real" / "zop.bmp";
    const fs::path link = folder.path() / "link.bmp";
    test::WriteBytes(real, kOldBytes);
    fs::create_symlink(real, link);
    const SaveResult result = WriteOutputFile(link, kNewBytes);
    EXPECT_TRUE(result.ok()) << result.reason();
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(test::ReadBytes(real), kNewBytes);
    EXPECT_EQ(test::FolderEntries(folder.path() / "real"), std::vector<std::string>{"zop.bmp"});
}

// A dangling link names the file to create, through a chain of relative links too.
TEST(OutputFile, DanglingLinkCreatesItsTargetAndIsKept) {
    test::ScratchFolder folder;
    fs::create_directory(folder.path() / "pictures");
    const fs::path first = folder.path() / "zop.bmp";
    fs::create_symlink("second.bmp", first);
    fs::create_symlink("pictures/shot.bmp", folder.path() / "second.bmp");
    const SaveResult result = WriteOutputFile(first, kNewBytes);
    ASSERT_TRUE(result.ok()) << result.reason();
    EXPECT_EQ(fs::read_symlink(first), "second.bmp");
    EXPECT_EQ(fs::read_symlink(folder.path() / "second.bmp"), "pictures/shot.bmp");
    EXPECT_EQ(test::ReadBytes(folder.path() / "pictures" / "shot.bmp"), kNewBytes);
    EXPECT_EQ(test::FolderEntries(folder.path() / "pictures"),
              std::vector<std::string>{"shot.bmp"});
}

TEST(OutputFile, LinkLoopIsRefused) {
    test::ScratchFolder folder;
    fs::create_symlink("b.bmp", folder.path() / "a.bmp");
    fs::create_symlink("a.bmp", folder.path() / "b.bmp");
    const SaveResult result = WriteOutputFile(folder.path() / "a.bmp", kNewBytes);
    EXPECT_EQ(result.error, SaveError::OpenFailed);
    EXPECT_EQ(result.detail, "Too many levels of symbolic links");
    EXPECT_EQ(test::FolderEntries(folder.path()), (std::vector<std::string>{"a.bmp", "b.bmp"}));
}

TEST(OutputFile, EmptyPathIsRefused) {
    const SaveResult result = WriteOutputFile({}, kNewBytes);
    EXPECT_EQ(result.error, SaveError::NoFileName);
    EXPECT_FALSE(result.reason().empty());
}

TEST(OutputFile, FolderInTheWayIsLeftAlone) {
    test::ScratchFolder folder;
    const fs::path target = folder.path() / "zop.bmp";
    fs::create_directory(target);
    test::WriteBytes(target / "inside", kOldBytes);
    const SaveResult result = WriteOutputFile(target, kNewBytes);
    EXPECT_EQ(result.error, SaveError::UnsupportedTarget);
    EXPECT_EQ(result.reason(), "it is a folder");
    EXPECT_EQ(test::ReadBytes(target / "inside"), kOldBytes);
    EXPECT_EQ(test::FolderEntries(folder.path()), std::vector<std::string>{"zop.bmp"});
}

// Private nodes with the numbers of /dev/full, /dev/null and a loop disk; the system's own
// nodes are never used.
TEST(OutputFile, DeviceNodesAreWrittenIntoOrRefusedButNeverReplaced) {
    struct Case {
        const char* name;
        mode_t type;
        dev_t numbers;
        SaveError error;
        const char* reason;
    };
    const Case cases[] = {
        {"full", S_IFCHR, makedev(1, 7), SaveError::WriteFailed,
         "writing failed: No space left on device"},
        {"null", S_IFCHR, makedev(1, 3), SaveError::None, ""},
        {"disk", S_IFBLK, makedev(7, 0), SaveError::UnsupportedTarget, "it is a block device"},
    };
    test::ScratchFolder folder;
    for (const Case& c : cases) {
        const fs::path node = folder.path() / c.name;
        if (::mknod(node.c_str(), c.type | 0666, c.numbers) != 0) {
            GTEST_SKIP() << "mknod is not allowed here: " << std::strerror(errno);
        }
        const SaveResult result = WriteOutputFile(node, kNewBytes);
        EXPECT_EQ(result.error, c.error) << c.name << ": " << result.reason();
        EXPECT_EQ(result.reason(), c.reason) << c.name;
        struct stat info {};
        ASSERT_EQ(::lstat(node.c_str(), &info), 0) << c.name;
        EXPECT_EQ(info.st_mode & S_IFMT, c.type) << c.name;
        EXPECT_EQ(info.st_rdev, c.numbers) << c.name;
    }
    EXPECT_EQ(test::FolderEntries(folder.path()),
              (std::vector<std::string>{"disk", "full", "null"}));
}

std::vector<std::uint8_t> ReadAllFrom(int fd) {
    std::vector<std::uint8_t> bytes;
    std::uint8_t chunk[65536];
    for (ssize_t n; (n = ::read(fd, chunk, sizeof chunk)) > 0;) {
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
    return bytes;
}

TEST(OutputFile, FifoGetsTheBytesAndStays) {
    test::ScratchFolder folder;
    const fs::path fifo = folder.path() / "pipe.bmp";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    auto received = std::async(std::launch::async, [&fifo] {
        const int fd = ::open(fifo.c_str(), O_RDONLY);
        std::vector<std::uint8_t> bytes = ReadAllFrom(fd);
        ::close(fd);
        return bytes;
    });
    const SaveResult result = WriteOutputFile(fifo, kNewBytes);
    EXPECT_TRUE(result.ok()) << result.reason();
    if (received.wait_for(std::chrono::seconds(2)) != std::future_status::ready) {
        ::close(::open(fifo.c_str(), O_WRONLY | O_NONBLOCK));  // the reader would wait for ever
    }
    EXPECT_EQ(received.get(), kNewBytes);
    EXPECT_EQ(FileType(fifo), static_cast<mode_t>(S_IFIFO));
    EXPECT_EQ(test::FolderEntries(folder.path()), std::vector<std::string>{"pipe.bmp"});
}

// open() cannot reach a socket; the save says so and the socket stays.
TEST(OutputFile, SocketIsNotReplaced) {
    test::ScratchFolder folder;
    const fs::path path = folder.path() / "socket.bmp";
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(listener, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
    ASSERT_EQ(::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    const SaveResult result = WriteOutputFile(path, kNewBytes);
    ::close(listener);
    EXPECT_EQ(result.error, SaveError::OpenFailed);
    EXPECT_EQ(result.detail, "No such device or address");
    EXPECT_EQ(FileType(path), static_cast<mode_t>(S_IFSOCK));
}

TEST(OutputFile, DashIsStandardOutput) {
    test::ScratchFolder folder;
    const fs::path captured = folder.path() / "stdout";
    std::fflush(stdout);
    const int saved = ::dup(STDOUT_FILENO);
    const int file = ::open(captured.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ASSERT_GE(file, 0);
    ::dup2(file, STDOUT_FILENO);
    const SaveResult result = WriteOutputFile("-", kNewBytes);
    ::dup2(saved, STDOUT_FILENO);
    ::close(saved);
    ::close(file);
    EXPECT_TRUE(result.ok()) << result.reason();
    EXPECT_EQ(test::ReadBytes(captured), kNewBytes);
    EXPECT_EQ(test::FolderEntries(folder.path()), std::vector<std::string>{"stdout"});
}

// Permission checks run as an ordinary user, also when the suite runs as root.
TEST(OutputFilePermissions, WriteProtectedFileInAWritableFolderIsRefusedAndKept) {
    test::ScratchFolder folder;
    const fs::path target = folder.path() / "zop.bmp";
    test::WriteBytes(target, kOldBytes);
    ASSERT_EQ(::chmod(target.c_str(), 0444), 0);
    const test::OrdinaryUserRun run =
        test::SaveAsOrdinaryUser(folder.path(), [&] { return WriteOutputFile(target, kNewBytes); });
    if (!run.started) {
        GTEST_SKIP() << "cannot switch to an ordinary user here";
    }
    EXPECT_EQ(run.result.error, SaveError::OpenFailed);
    EXPECT_EQ(run.result.reason(), "Permission denied");
    EXPECT_EQ(test::ReadBytes(target), kOldBytes);
    EXPECT_EQ(test::FolderEntries(folder.path()), std::vector<std::string>{"zop.bmp"});
}

TEST(OutputFilePermissions, ReadOnlyFolderKeepsTheOldFile) {
    test::ScratchFolder folder;
    const fs::path target = folder.path() / "zop.bmp";
    test::WriteBytes(target, kOldBytes);
    ASSERT_EQ(::chmod(folder.path().c_str(), 0555), 0);
    const test::OrdinaryUserRun run =
        test::SaveAsOrdinaryUser(folder.path(), [&] { return WriteOutputFile(target, kNewBytes); });
    if (!run.started) {
        GTEST_SKIP() << "cannot switch to an ordinary user here";
    }
    EXPECT_EQ(run.result.error, SaveError::CreateFailed);
    EXPECT_EQ(run.result.reason(), "cannot create a file in the folder: Permission denied");
    EXPECT_EQ(test::ReadBytes(target), kOldBytes);
    EXPECT_EQ(test::FolderEntries(folder.path()), std::vector<std::string>{"zop.bmp"});
}

}  // namespace
}  // namespace mirelta
