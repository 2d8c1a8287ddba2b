// SPDX-License-Identifier: GPL-3.0-or-later
// Saving replaces a file only when the new one is complete; failures leave the old one untouched.
#include "export/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <fstream>

#include "test_support.h"

namespace mirelta {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> Bytes(std::size_t count, std::uint8_t seed) {
    std::vector<std::uint8_t> bytes(count);
    for (std::size_t i = 0; i < count; ++i) {
        bytes[i] = static_cast<std::uint8_t>(seed + i * 31);
    }
    return bytes;
}

const std::vector<std::uint8_t> kOldBytes = Bytes(1000, 7);
const std::vector<std::uint8_t> kNewBytes = Bytes(300000, 99);

TEST(AtomicSave, CreatesANewFile) {
    test::ScratchFolder folder;
    const fs::path target = folder.path() / "zop.bmp";
    const SaveResult result = WriteFileAtomically(target, kNewBytes);
    EXPECT_TRUE(result.ok()) << result.reason();
    EXPECT_TRUE(result.reason().empty());
    EXPECT_EQ(test::ReadBytes(target), kNewBytes);
    EXPECT_EQ(test::FolderEntries(folder.path()), std::vector<std::string>{"zop.bmp"});
}

TEST(AtomicSave, NewFileGetsUsualPermissions) {
    test::ScratchFolder folder;
    const mode_t previous = ::umask(022);
    const SaveResult result = WriteFileAtomically(folder.path() / "zop.bmp", kNewBytes);
    ::umask(previous);
    ASSERT_TRUE(result.ok()) << result.reason();
    struct stat info {};
    ASSERT_EQ(::stat((folder.path() / "zop.bmp").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0644u);
}

TEST(AtomicSave, ReplacesAnExistingFileAndKeepsItsPermissions) {
    test::ScratchFolder folder;
    const fs::path target = folder.path() / "zop.bmp";
    test::WriteBytes(target, kOldBytes);
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    const SaveResult result = WriteFileAtomically(target, kNewBytes);
    EXPECT_TRUE(result.ok()) << result.reason();
    EXPECT_EQ(test::ReadBytes(target), kNewBytes);
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(test::FolderEntries(folder.path()), std::vector<std::string>{"zop.bmp"});
}

TEST(AtomicSave, UnsyncedSaveWritesTheSameBytes) {
    test::ScratchFolder folder;
    const fs::path target = folder.path() / "zop.bmp";
    test::WriteBytes(target, kOldBytes);
    const SaveResult result = WriteFileAtomically(target, kNewBytes, Durability::Unsynced);
    EXPECT_TRUE(result.ok()) << result.reason();
    EXPECT_EQ(test::ReadBytes(target), kNewBytes);
    EXPECT_EQ(test::FolderEntries(folder.path()), std::vector<std::string>{"zop.bmp"});
}

TEST(AtomicSave, NameAtTheLengthLimitIsSaved) {
    test::ScratchFolder folder;
    const std::string name = std::string(251, 'z') + ".bmp";  // 255 bytes, the usual maximum
    const SaveResult result = WriteFileAtomically(folder.path() / name, kNewBytes);
    EXPECT_TRUE(result.ok()) << result.reason();
    EXPECT_EQ(test::FolderEntries(folder.path()), std::vector<std::string>{name});
}

TEST(AtomicSaveFailure, MissingFolderIsReported) {
    test::ScratchFolder folder;
    const SaveResult result = WriteFileAtomically(folder.path() / "absent" / "zop.bmp", kNewBytes);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.error, SaveError::CreateFailed);
    EXPECT_EQ(result.detail, "No such file or directory");
    EXPECT_TRUE(test::FolderEntries(folder.path()).empty());
}

// A file size limit makes write() stop part way, like a disk that fills up during the save.
TEST(AtomicSaveFailure, ShortWriteKeepsTheOldFile) {
    test::ScratchFolder folder;
    const fs::path target = folder.path() / "zop.bmp";
    test::WriteBytes(target, kOldBytes);

    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit small = previous;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const SaveResult result = WriteFileAtomically(target, kNewBytes);
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.error, SaveError::WriteFailed);
    EXPECT_EQ(result.detail, "File too large");
    EXPECT_EQ(test::ReadBytes(target), kOldBytes);
    EXPECT_EQ(test::FolderEntries(folder.path()), std::vector<std::string>{"zop.bmp"});
}

// Unmounts the tiny file system even when an assertion stops the test early.
class TinyTmpfs {
  public:
    explicit TinyTmpfs(const fs::path& at) : at_(at) {
        mounted_ = ::geteuid() == 0 && ::mount("tmpfs", at.c_str(), "tmpfs", 0, "size=64k") == 0;
    }
    ~TinyTmpfs() {
        if (mounted_) {
            ::umount(at_.c_str());
        }
    }
    TinyTmpfs(const TinyTmpfs&) = delete;
    TinyTmpfs& operator=(const TinyTmpfs&) = delete;
    bool mounted() const { return mounted_; }

  private:
    fs::path at_;
    bool mounted_ = false;
};

TEST(AtomicSaveFailure, FullDiskKeepsTheOldFile) {
    test::ScratchFolder folder;
    const fs::path disk = folder.path() / "disk";
    fs::create_directory(disk);
    TinyTmpfs tmpfs(disk);
    if (!tmpfs.mounted()) {
        GTEST_SKIP() << "cannot mount a 64 KiB tmpfs here (needs root and mount rights)";
    }
    const fs::path target = disk / "zop.bmp";
    test::WriteBytes(target, kOldBytes);
    const SaveResult result = WriteFileAtomically(target, kNewBytes);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.error, SaveError::WriteFailed);
    EXPECT_EQ(result.detail, "No space left on device");
    EXPECT_EQ(test::ReadBytes(target), kOldBytes);
    EXPECT_EQ(test::FolderEntries(disk), std::vector<std::string>{"zop.bmp"});
}

}  // namespace
}  // namespace mirelta
