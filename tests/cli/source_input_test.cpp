// SPDX-License-Identifier: GPL-3.0-or-later
// Where mirelta-cli reads the image from: standard input, pipes and links, with a deadline.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <filesystem>

#include "cli_run.h"

namespace mirelta::testing {
namespace {

const char* const kEveryCommand[][5] = {
    {"list", "", "", "", ""},
    {"dump", "--csv", "", "", ""},
    {"describe", "--screen", "spectrum", "", ""},
    {"render", "--screen", "find", "-o", "OUT"},
    {"export-all", "-d", "OUT", "", ""},
};

// The same bytes from standard input, redirected or piped, give what the file gives.
TEST(CliSource, DashReadsStandardInput) {
    TempDir dir;
    for (const auto& row : kEveryCommand) {
        std::string args;
        for (int k = 1; k < 5 && *row[k] != '\0'; ++k) {
            const std::string arg = row[k];
            args +=
                ' ' + (arg == "OUT" ? ShellQuote((dir / (std::string(row[0]) + ".bmp")).string())
                                    : ShellQuote(arg));
        }
        const std::string cli = ShellQuote(MIRELTA_CLI_PATH) + ' ' + row[0];
        const CliResult fromFile = RunShell(cli + ' ' + ShellQuote(DEMO_FILE) + args);
        const CliResult redirected = RunShell(cli + " -" + args + " <" + ShellQuote(DEMO_FILE));
        const CliResult piped =
            RunShell("cat " + ShellQuote(DEMO_FILE) + " | " + cli + " -" + args);
        ASSERT_EQ(fromFile.exitCode, 0) << row[0] << ": " << fromFile.err;
        EXPECT_EQ(redirected.exitCode, 0) << row[0] << ": " << redirected.err;
        EXPECT_EQ(piped.exitCode, 0) << row[0] << ": " << piped.err;
        const std::string expected =
            std::string(row[0]) == "export-all" ? "" : fromFile.out;  // it names its folder
        if (!expected.empty()) {
            EXPECT_EQ(redirected.out, expected) << row[0];
            EXPECT_EQ(piped.out, expected) << row[0];
        }
    }
    const CliResult shortStream = RunShell("head -c 100 " + ShellQuote(DEMO_FILE) + " | " +
                                           ShellQuote(MIRELTA_CLI_PATH) + " list -");
    EXPECT_EQ(shortStream.exitCode, 4);
    EXPECT_EQ(shortStream.err, "Read file error! -: 100 bytes; a meter file has 42652\n");
}

// A FIFO, or a link to one, whose writer stays silent: the command ends at --read-timeout.
TEST(CliSource, SilentWriterEndsAtTheReadTimeout) {
    TempDir dir;
    const std::string fifo = (dir / "meter.dat").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string link = (dir / "link.dat").string();
    std::filesystem::create_symlink(fifo, link);
    for (const std::string& path : {fifo, link}) {
        const auto start = std::chrono::steady_clock::now();
        // The shell holds the FIFO open for writing and writes nothing.
        const CliResult result =
            RunShell("exec 3<>" + ShellQuote(fifo) + "; " + ShellQuote(MIRELTA_CLI_PATH) +
                     " list " + ShellQuote(path) + " --read-timeout 0.5");
        const auto took = std::chrono::steady_clock::now() - start;
        EXPECT_EQ(result.exitCode, 4) << path;
        EXPECT_EQ(result.err, "Read file error! " + path +
                                  ": nothing more arrived within 0.5 s; 0 bytes; a meter file "
                                  "has 42652\n");
        EXPECT_LT(took, std::chrono::seconds(4));
    }
}

// A name is bytes and need not be UTF-8: every command reads FILE, and writes OUT, under exactly
// the name it was given.
TEST(CliSource, NamesThatAreNotUtf8KeepTheirBytes) {
    TempDir dir;
    const std::string source = (dir / "bad\xff.dat").string();
    std::filesystem::copy_file(DEMO_FILE, source);
    const std::vector<std::string> runs[] = {
        {"list", source},
        {"dump", source, "--json"},
        {"describe", source, "--screen", "find"},
        {"render", source, "--screen", "find", "-o", (dir / "out\xff.bmp").string()},
        {"report", source, "-o", (dir / "report\xff.pdf").string()},
    };
    for (const auto& args : runs) {
        const CliResult result = RunCli(args);
        EXPECT_EQ(result.exitCode, 0) << args[0] << ": " << result.err;
    }
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir / "")) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"bad\xff.dat", "out\xff.bmp", "report\xff.pdf"}));
}

}  // namespace
}  // namespace mirelta::testing
