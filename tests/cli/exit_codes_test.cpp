// SPDX-License-Identifier: GPL-3.0-or-later
// mirelta-cli exit codes, usage and error lines.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "cli_run.h"
#include "fixtures/image_builder.h"

namespace mirelta::testing {
namespace {

using fixtures::FindFields;
using fixtures::ImageBuilder;

// Every command that reads a file says the meter's message, the file and the reason.
TEST(CliErrors, FailedReadsGiveTheMessageThePathAndTheReason) {
    TempDir dir;
    const std::string missing = (dir / "nowhere.dat").string();
    const std::string folder = (dir / "folder.dat").string();
    std::filesystem::create_directory(folder);
    const std::string tiny = (dir / "tiny.dat").string();
    ImageBuilder().writeTo(tiny, 100);
    const std::string oneShort = (dir / "short.dat").string();
    ImageBuilder().addFind(0, FindFields{.label = "x"}).writeTo(oneShort, 42651);
    const struct {
        std::string path;
        int exitCode;
        std::string err;
    } cases[] = {
        {missing, 3, "Open false! " + missing + ": No such file or directory\n"},
        {folder, 3, "Open false! " + folder + ": Is a directory\n"},
        {tiny, 4, "Read file error! " + tiny + ": 100 bytes; a meter file has 42652\n"},
        {oneShort, 4, "Read file error! " + oneShort + ": 42651 bytes; a meter file has 42652\n"},
    };
    const std::vector<std::vector<std::string>> commands = {
        {"list"},
        {"dump", "--json"},
        {"describe", "--screen", "find"},
        {"render", "--screen", "find", "-o", (dir / "x.png").string()},
        {"export-all", "-d", (dir / "out").string()},
    };
    for (const auto& c : cases) {
        for (std::vector<std::string> args : commands) {
            args.insert(args.begin() + 1, c.path);
            const CliResult result = RunCli(args);
            // export-all takes folders of meter files too.
            const std::string err =
                args[0] == "export-all" && c.path == folder
                    ? "Open false! " + folder + ": a folder without .dat files\n"
                    : c.err;
            EXPECT_EQ(result.exitCode, c.exitCode) << args[0] << ' ' << c.path;
            EXPECT_EQ(result.err, err) << args[0];
            EXPECT_EQ(result.out, "") << args[0];
        }
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "x.png"));
}

TEST(CliErrors, UnreadableFileNamesPermissionDenied) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root reads every file";
    }
    TempDir dir;
    const std::string path = (dir / "locked.dat").string();
    ImageBuilder().writeTo(path);
    std::filesystem::permissions(path, std::filesystem::perms::none);
    const CliResult result = RunCli({"list", path});
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_EQ(result.err, "Open false! " + path + ": Permission denied\n");
}

// Not an error, as in the window, but the user is told why nothing is listed.
TEST(CliErrors, ForeignFileIsWarnedAboutAndListsNothing) {
    TempDir dir;
    const std::string path = (dir / "foreign.dat").string();
    ImageBuilder().setSignature(0x12345678).addFind(0, FindFields{.label = "x"}).writeTo(path);
    for (const char* command : {"list", "dump"}) {
        const CliResult result = RunCli({command, path});
        EXPECT_EQ(result.exitCode, 0) << command;
        EXPECT_EQ(result.err, path + ": not a meter memory image; nothing listed\n") << command;
    }
    const CliResult listed = RunCli({"list", path, "--json"});
    EXPECT_EQ(listed.out, "{\"find\":[],\"constellation\":[],\"spectrum\":[]}\n");
    const CliResult described = RunCli({"describe", path, "--screen", "find"});
    EXPECT_EQ(described.exitCode, 0);
    EXPECT_EQ(described.err, path + ": not a meter memory image; nothing listed\n");
}

TEST(CliErrors, LongFileIsAccepted) {
    TempDir dir;
    const std::string path = (dir / "long.dat").string();
    ImageBuilder().addFind(3, FindFields{.label = "kept"}).writeTo(path, 100000);
    const CliResult result = RunCli({"list", path, "--json"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out,
              "{\"find\":[{\"index\":0,\"slot\":3,\"label\":\"kept\",\"verdict\":\"NO LOCK\"}],"
              "\"constellation\":[],"
              "\"spectrum\":[]}\n");
}

TEST(CliUsage, NoArgumentsExitTwoWithUsageOnStderr) {
    const CliResult result = RunCli({});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find("usage: mirelta-cli"), std::string::npos);
    EXPECT_NE(result.err.find("mirelta-cli list FILE [--json]"), std::string::npos);
    EXPECT_EQ(result.out, "");
}

TEST(CliUsage, BadArgumentsExitTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {"frobnicate", "x.dat"},    {"list"},
        {"list", "a.dat", "b.dat"}, {"list", "a.dat", "--csv"},
        {"dump", "a.dat", "--xml"}, {"dump", "a.dat", "--json", "--csv"},
        {"dump", "--json"},
    };
    for (const auto& args : cases) {
        const CliResult result = RunCli(args);
        EXPECT_EQ(result.exitCode, 2) << args[0] << ' ' << args.size();
        EXPECT_NE(result.err.find("usage:"), std::string::npos) << args[0];
        EXPECT_EQ(result.out, "");
    }
}

TEST(CliUsage, UsageErrorNamesTheProblem) {
    const CliResult result = RunCli({"dump", "a.dat", "--xml"});
    EXPECT_NE(result.err.find("unknown option '--xml'"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("mirelta-cli dump FILE [--json|--csv]"), std::string::npos);
}

TEST(CliUsage, HelpGoesToStdoutAndDocumentsExitCodes) {
    const CliResult result = RunCli({"--help"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    for (const char* text :
         {"list FILE [--json]", "dump FILE [--json|--csv]", "Exit codes:", "2  bad usage",
          "3  the file cannot be opened", "4  the file is shorter than 42652 bytes", "--csv"}) {
        EXPECT_NE(result.out.find(text), std::string::npos) << text;
    }
}

TEST(CliUsage, VersionIsPrinted) {
    const CliResult result = RunCli({"--version"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "mirelta-cli " MIRELTA_VERSION "\n");
}

}  // namespace
}  // namespace mirelta::testing
