// SPDX-License-Identifier: GPL-3.0-or-later
// mirelta-cli export-all over several files and folders, on any number of threads.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <iterator>
#include <map>
#include <thread>

#include "cli_run.h"
#include "fixtures/image_builder.h"

namespace mirelta::testing {
namespace {

namespace fs = std::filesystem;

// Every file under the folder, by its path relative to it, with its bytes.
std::map<std::string, std::string> Contents(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            std::ifstream in(entry.path(), std::ios::binary);
            files[fs::relative(entry.path(), folder).string()] =
                std::string(std::istreambuf_iterator<char>(in), {});
        }
    }
    return files;
}

CliResult ExportOnThreads(int threads, const std::vector<std::string>& args) {
    std::vector<std::string> command{"MIRELTA_THREADS=" + std::to_string(threads), MIRELTA_CLI_PATH,
                                     "export-all"};
    command.insert(command.end(), args.begin(), args.end());
    return RunProgram("/usr/bin/env", command);
}

fixtures::ImageBuilder Memory(int records) {
    fixtures::ImageBuilder image;
    for (int k = 0; k < records; ++k) {
        image.addFind(k, {.label = "F" + std::to_string(k),
                          .strength = static_cast<std::uint8_t>(10 * k),
                          .lockFlag = 1});
        image.addSpectrum(k, {.label = "S" + std::to_string(k),
                              .leftFrequency = 2150,
                              .rightFrequency = 950,
                              .spanCode = 0});
    }
    image.addConstellation(0, {.label = "C0"});
    return image;
}

TEST(CliExportMany, EachFileGetsItsOwnFolderAndAFolderArgumentTakesItsMemoryFiles) {
    TempDir dir;
    fs::create_directories(dir / "more");
    Memory(2).writeTo(dir / "one.dat");
    Memory(3).writeTo(dir / "more" / "two.DAT");
    std::ofstream(dir / "more" / "notes.txt") << "not a memory";
    const CliResult result =
        RunCli({"export-all", (dir / "one.dat").string(), (dir / "more").string(), "-d",
                (dir / "out").string(), "--format", "bmp"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("Wrote 12 of 12 pictures"), std::string::npos) << result.out;
    EXPECT_TRUE(fs::exists(dir / "out" / "one" / "find-01-F1.bmp"));
    EXPECT_TRUE(fs::exists(dir / "out" / "two" / "spectrum-02-S2.bmp"));
    EXPECT_EQ(Contents(dir / "out").size(), 12u);
}

TEST(CliExportMany, AnUnreadableFileIsToldAndTheOthersAreStillWritten) {
    TempDir dir;
    Memory(1).writeTo(dir / "good.dat");
    Memory(1).writeTo(dir / "short.dat", 100);
    const CliResult result = RunCli({"export-all", (dir / "short.dat").string(),
                                     (dir / "good.dat").string(), "-d", (dir / "out").string()});
    EXPECT_EQ(result.exitCode, 4) << result.err;
    EXPECT_NE(result.err.find("Read file error! "), std::string::npos) << result.err;
    EXPECT_EQ(Contents(dir / "out").size(), 3u);
    EXPECT_FALSE(fs::exists(dir / "out" / "short"));
}

TEST(CliExportMany, NamesAndBytesDoNotDependOnTheThreadCount) {
    TempDir dir;
    Memory(9).writeTo(dir / "a.dat");
    Memory(4).writeTo(dir / "b.dat");
    for (const char* format : {"png", "bmp"}) {
        const std::string single = (dir / "single.dat").string();
        fs::copy_file(dir / "a.dat", single, fs::copy_options::overwrite_existing);
        std::map<std::string, std::string> first;
        for (int threads : {1, 3}) {
            const fs::path out = dir / (std::string(format) + std::to_string(threads));
            for (const auto& inputs : {std::vector<std::string>{single},
                                       {(dir / "a.dat").string(), (dir / "b.dat").string()}}) {
                std::vector<std::string> args = inputs;
                args.insert(args.end(), {"-d", (out / std::to_string(inputs.size())).string(),
                                         "--format", format});
                ASSERT_EQ(ExportOnThreads(threads, args).exitCode, 0);
            }
            const auto files = Contents(out);
            EXPECT_EQ(files.size(), 19u + 28u);
            if (threads == 1) {
                first = files;
            } else {
                EXPECT_EQ(files, first) << format;
            }
        }
    }
}

// Whatever a file's name or a label holds, every picture lands inside DIR.
TEST(CliExportMany, HostileFileNamesAndLabelsStayInsideTheFolder) {
    TempDir dir;
    fs::create_directories(dir / "in");
    fixtures::ImageBuilder()
        .addFind(0, {.label = ".."})
        .addFind(1, {.label = "../../escaped"})
        .addFind(2, {.label = std::string("\x1b]0;x\x07/\0", 7)})
        .addFind(3, {.label = std::string(40, '.')})
        .writeTo(dir / "in" / "...dat");
    Memory(1).writeTo(dir / "in" / "plain.dat");
    for (const auto& inputs :
         {std::vector<std::string>{(dir / "in").string()},
          {(dir / "in" / "...dat").string(), (dir / "in" / "plain.dat").string()}}) {
        fs::remove_all(dir / "out");
        std::vector<std::string> args{"export-all"};
        args.insert(args.end(), inputs.begin(), inputs.end());
        args.insert(args.end(), {"-d", (dir / "out").string()});
        const CliResult result = RunCli(args);
        ASSERT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(Contents(dir / "out").size(), 4u + 3u);
        EXPECT_EQ(Contents(dir / "out" / "file").size(), 4u);
        EXPECT_EQ(Contents(dir / "in").size() + Contents(dir / "out").size(),
                  Contents(dir / "").size())
            << "written outside DIR";
    }
}

// The batch makes up the picture and folder names, so a link planted under one is never followed:
// a picture replaces the link itself, a per-file folder that is a link is refused.
TEST(CliExportMany, LinksPlantedInTheFolderAreNeverFollowed) {
    TempDir dir;
    Memory(1).writeTo(dir / "a.dat");
    Memory(1).writeTo(dir / "b.dat");
    fs::create_directories(dir / "out" / "b");
    fs::create_directories(dir / "elsewhere");
    std::ofstream(dir / "victim.png") << "precious";
    fs::create_symlink(dir / "victim.png", dir / "out" / "b" / "find-00-F0.png");
    fs::create_symlink(dir / "elsewhere", dir / "out" / "a");
    const CliResult result = RunCli({"export-all", (dir / "a.dat").string(),
                                     (dir / "b.dat").string(), "-d", (dir / "out").string()});
    EXPECT_EQ(result.exitCode, 5);
    EXPECT_EQ(result.err, "mirelta-cli: cannot create " + (dir / "out" / "a").string() +
                              ": it is a symbolic link, which is not followed\n");
    std::ifstream victim(dir / "victim.png");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(victim), {}), "precious");
    EXPECT_TRUE(fs::is_empty(dir / "elsewhere"));
    EXPECT_FALSE(fs::is_symlink(dir / "out" / "b" / "find-00-F0.png"));
    EXPECT_EQ(Contents(dir / "out" / "b").size(), 3u);
}

TEST(CliExportMany, ASourceThatFailsFirstLeavesTheSummaryRight) {
    TempDir dir;
    Memory(2).writeTo(dir / "good.dat");
    const CliResult result = RunCli({"export-all", (dir / "nowhere.dat").string(),
                                     (dir / "good.dat").string(), "-d", (dir / "out").string()});
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_EQ(result.err,
              "Open false! " + (dir / "nowhere.dat").string() + ": No such file or directory\n");
    EXPECT_EQ(result.out, "Wrote 5 of 5 pictures to " + (dir / "out").string() + "\n");
}

TEST(CliExportMany, TooManyThreadsAreCappedWithAWarning) {
    TempDir dir;
    Memory(2).writeTo(dir / "a.dat");
    const CliResult result =
        ExportOnThreads(100000, {(dir / "a.dat").string(), "-d", (dir / "out").string()});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.err.find("MIRELTA_THREADS=100000 is more than 4 per core; using "),
              std::string::npos)
        << result.err;
    EXPECT_EQ(Contents(dir / "out").size(), 5u);
}

// Each file is read when a thread takes it: on one thread the first file's pictures are all
// written before the second file is opened.
TEST(CliExportMany, FilesAreReadOneAtATimeAsTheyAreTaken) {
    TempDir dir;
    Memory(2).writeTo(dir / "first.dat");
    const fs::path fifo = dir / "second.dat";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // Held open for writing, so that a reader waits for the bytes instead of seeing the end.
    const int writer = ::open(fifo.c_str(), O_RDWR);
    auto run = std::async(std::launch::async, [&] {
        return ExportOnThreads(1, {(dir / "first.dat").string(), fifo.string(), "-d",
                                   (dir / "out").string(), "--read-timeout", "60"});
    });
    bool firstDone = false;
    for (int wait = 0; wait < 300 && !firstDone; ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        firstDone = fs::exists(dir / "out" / "first" / "spectrum-01-S1.png");
    }
    EXPECT_TRUE(firstDone) << "the first file waited for the second";
    const std::vector<std::uint8_t> second = Memory(1).bytes();
    EXPECT_EQ(::write(writer, second.data(), second.size()), static_cast<ssize_t>(second.size()));
    ::close(writer);
    const CliResult result = run.get();
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(Contents(dir / "out").size(), 5u + 3u);
}

}  // namespace
}  // namespace mirelta::testing
