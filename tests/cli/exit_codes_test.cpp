// mirelta-cli exit codes, usage and error lines.
#include <gtest/gtest.h>

#include "cli_run.h"
#include "fixtures/image_builder.h"

namespace mirelta::testing {
namespace {

using fixtures::FindFields;
using fixtures::ImageBuilder;

TEST(CliErrors, MissingFileExitsThreeWithOpenFalseAndPath) {
    TempDir dir;
    const std::string path = (dir / "nowhere.dat").string();
    for (const char* command : {"list", "dump"}) {
        const CliResult result = RunCli({command, path});
        EXPECT_EQ(result.exitCode, 3) << command;
        EXPECT_EQ(result.err, "Open false! " + path + "\n") << command;
        EXPECT_EQ(result.out, "") << command;
    }
}

TEST(CliErrors, ShortFileExitsFourWithReadFileError) {
    TempDir dir;
    const std::string path = (dir / "short.dat").string();
    ImageBuilder().addFind(0, FindFields{.label = "x"}).writeTo(path, 42651);
    for (const char* command : {"list", "dump"}) {
        const CliResult result = RunCli({command, path, "--json"});
        EXPECT_EQ(result.exitCode, 4) << command;
        EXPECT_EQ(result.err, "Read file error! " + path + "\n") << command;
        EXPECT_EQ(result.out, "") << command;
    }
}

TEST(CliErrors, LongFileIsAccepted) {
    TempDir dir;
    const std::string path = (dir / "long.dat").string();
    ImageBuilder().addFind(3, FindFields{.label = "kept"}).writeTo(path, 100000);
    const CliResult result = RunCli({"list", path, "--json"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out,
              "{\"find\":[{\"index\":0,\"slot\":3,\"label\":\"kept\"}],\"constellation\":[],"
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
    EXPECT_EQ(result.out, "mirelta-cli 1.0.0\n");
}

}  // namespace
}  // namespace mirelta::testing
