// SPDX-License-Identifier: GPL-3.0-or-later
// mirelta-cli export-all over several files and folders, on any number of threads.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

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

}  // namespace
}  // namespace mirelta::testing
