// SPDX-License-Identifier: GPL-3.0-or-later
// A FIFO whose reader goes away in the middle of a picture: the write fails as any other would.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <future>

#include "cli_run.h"
#include "fixtures/image_builder.h"

namespace mirelta::testing {
namespace {

namespace fs = std::filesystem;

// Opens the FIFO as a reader, takes one byte of the picture and leaves.
std::future<void> ReadOneByteAndQuit(const fs::path& fifo) {
    return std::async(std::launch::async, [fifo] {
        const int fd = ::open(fifo.c_str(), O_RDONLY);
        char byte = 0;
        EXPECT_EQ(::read(fd, &byte, 1), 1);
        ::close(fd);
    });
}

TEST(CliBrokenPipe, AReaderThatQuitsIsAWriteFailureAndTheSummaryStillComes) {
    TempDir dir;
    fixtures::ImageBuilder()
        .addFind(0, {.label = "F0"})
        .addFind(1, {.label = "F1"})
        .writeTo(dir / "meter.dat");
    fs::create_directories(dir / "out");
    struct Case {
        fs::path fifo;
        std::vector<std::string> args;
        std::string out;
    };
    const Case cases[] = {
        {dir / "pipe.bmp",
         {"render", (dir / "meter.dat").string(), "--screen", "find", "-o",
          (dir / "pipe.bmp").string()},
         ""},
        {dir / "out" / "find-00-F0.bmp",
         {"export-all", (dir / "meter.dat").string(), "-d", (dir / "out").string(), "--format",
          "bmp"},
         "Wrote 1 of 2 pictures to " + (dir / "out").string() + "\n"},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(::mkfifo(c.fifo.c_str(), 0600), 0);
        std::future<void> reader = ReadOneByteAndQuit(c.fifo);
        const CliResult result = RunCli(c.args);
        reader.get();
        EXPECT_EQ(result.exitCode, 5) << c.args[0] << ": " << result.err;
        EXPECT_EQ(result.err, "mirelta-cli: cannot write " + c.fifo.string() +
                                  ": writing failed: Broken pipe\n")
            << c.args[0];
        EXPECT_EQ(result.out, c.out) << c.args[0];
        EXPECT_TRUE(fs::is_fifo(c.fifo)) << c.args[0];
    }
}

}  // namespace
}  // namespace mirelta::testing
