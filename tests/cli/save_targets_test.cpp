// SPDX-License-Identifier: GPL-3.0-or-later
// mirelta-cli render -o over things that are not plain files: standard output, devices, FIFOs and
// links. The bytes go where the name leads and the node at the name is never replaced.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <future>
#include <iterator>

#include "cli_run.h"

namespace mirelta::testing {
namespace {

namespace fs = std::filesystem;

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<std::string> Render(const std::string& output) {
    return {"render", DEMO_FILE, "--screen", "spectrum", "--depth", "24", "-o", output};
}

// The picture as a render into a plain new file holds it.
std::string ReferencePicture(const TempDir& dir) {
    const fs::path file = dir / "reference.bmp";
    const CliResult result = RunCli(Render(file.string()));
    EXPECT_EQ(result.exitCode, 0) << result.err;
    return Slurp(file);
}

std::string ReadCommandOutput(const std::string& command) {
    std::string out;
    if (std::FILE* pipe = ::popen(command.c_str(), "r")) {
        char chunk[65536];
        for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;) {
            out.append(chunk, n);
        }
        ::pclose(pipe);
    }
    return out;
}

TEST(CliSaveTargets, DashAndALinkToStandardOutputWriteThePicture) {
    TempDir dir;
    const std::string reference = ReferencePicture(dir);
    ASSERT_EQ(reference.size(), 1036854u);

    const CliResult toFile = RunCli(Render("-"));
    EXPECT_EQ(toFile.exitCode, 0) << toFile.err;
    EXPECT_EQ(toFile.out, reference);

    // Standard output a pipe, reached through a link to the process's own descriptor.
    const fs::path link = dir / "out.bmp";
    fs::create_symlink("/proc/self/fd/1", link);
    std::string command = std::string("'") + MIRELTA_CLI_PATH + "'";
    for (const std::string& arg : Render(link.string())) {
        command += " '" + arg + "'";
    }
    EXPECT_EQ(ReadCommandOutput(command), reference);
    EXPECT_TRUE(fs::is_symlink(link));
}

TEST(CliSaveTargets, FullDeviceExitsFiveWithTheReasonAndStays) {
    TempDir dir;
    const fs::path node = dir / "full";
    if (::mknod(node.c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0) {
        GTEST_SKIP() << "mknod is not allowed here";
    }
    const CliResult result = RunCli(Render(node.string()));
    EXPECT_EQ(result.exitCode, 5);
    EXPECT_NE(result.err.find("No space left on device"), std::string::npos) << result.err;
    struct stat info {};
    ASSERT_EQ(::lstat(node.c_str(), &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));
    EXPECT_EQ(info.st_rdev, makedev(1, 7));
}

TEST(CliSaveTargets, FifoGetsThePictureAndStays) {
    TempDir dir;
    const std::string reference = ReferencePicture(dir);
    const fs::path fifo = dir / "pipe.bmp";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    auto received = std::async(std::launch::async, [&fifo] { return Slurp(fifo); });
    const CliResult result = RunCli(Render(fifo.string()));
    EXPECT_EQ(result.exitCode, 0) << result.err;
    if (received.wait_for(std::chrono::seconds(2)) != std::future_status::ready) {
        ::close(::open(fifo.c_str(), O_WRONLY | O_NONBLOCK));  // the reader would wait for ever
    }
    EXPECT_EQ(received.get(), reference);
    EXPECT_TRUE(fs::is_fifo(fifo));
}

TEST(CliSaveTargets, DanglingLinkGetsItsTargetCreated) {
    TempDir dir;
    const std::string reference = ReferencePicture(dir);
    const fs::path link = dir / "latest.bmp";
    fs::create_symlink("shots/spectrum.bmp", link);
    fs::create_directory(dir / "shots");
    const CliResult result = RunCli(Render(link.string()));
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(fs::read_symlink(link), "shots/spectrum.bmp");
    EXPECT_EQ(Slurp(dir / "shots" / "spectrum.bmp"), reference);
}

}  // namespace
}  // namespace mirelta::testing
