// SPDX-License-Identifier: GPL-3.0-or-later
// mirelta-cli's command line: help on every command, the option forms, one wording of errors.
#include <gtest/gtest.h>

#include "cli_run.h"

namespace mirelta::testing {
namespace {

const char* const kCommands[] = {"list", "dump", "describe", "render", "export-all"};

TEST(CliCommandLine, EveryCommandHasHelpBothWays) {
    for (const char* command : kCommands) {
        const CliResult flag = RunCli({command, "--help"});
        const CliResult shortFlag = RunCli({command, "-h"});
        const CliResult word = RunCli({"help", command});
        EXPECT_EQ(flag.exitCode, 0) << command;
        EXPECT_EQ(flag.err, "") << command;
        EXPECT_TRUE(flag.out.starts_with(std::string("usage: mirelta-cli ") + command + " FILE"))
            << flag.out;
        EXPECT_NE(flag.out.find("--read-timeout S"), std::string::npos) << command;
        EXPECT_EQ(shortFlag.out, flag.out) << command;
        EXPECT_EQ(word.out, flag.out) << command;
    }
    const CliResult overview = RunCli({"help"});
    EXPECT_EQ(overview.exitCode, 0);
    EXPECT_EQ(overview.out, RunCli({"--help"}).out);
    EXPECT_EQ(RunCli({"help", "frobnicate"}).exitCode, 2);
}

TEST(CliCommandLine, HelpTellsExportAllsDefaultFormat) {
    const CliResult result = RunCli({"export-all", "--help"});
    EXPECT_NE(result.out.find("default: png"), std::string::npos) << result.out;
}

TEST(CliCommandLine, ValuesMayFollowAnEqualsSignAndDoubleDashEndsOptions) {
    const std::vector<std::string> spaced = {"describe", DEMO_FILE,  "--screen",
                                             "spectrum", "--record", "1"};
    const CliResult expected = RunCli(spaced);
    ASSERT_EQ(expected.exitCode, 0) << expected.err;
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"describe", DEMO_FILE, "--screen=spectrum", "--record=1"},
          std::vector<std::string>{"describe", "--screen", "spectrum", "--record=1", "--",
                                   DEMO_FILE}}) {
        const CliResult result = RunCli(args);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.out, expected.out);
    }
    // After --, a name starting with a dash is the FILE, not an option.
    const CliResult dashed = RunCli({"list", "--", "--json"});
    EXPECT_EQ(dashed.exitCode, 3);
    EXPECT_EQ(dashed.err, "Open false! --json: No such file or directory\n");
}

// Every usage error: "mirelta-cli COMMAND: problem", the usage line, where to read more.
TEST(CliCommandLine, UsageErrorsShareOneWording) {
    const struct {
        std::vector<std::string> args;
        std::string problem;
    } cases[] = {
        {{"list"}, "FILE is missing"},
        {{"list", "a.dat", "b.dat"}, "only one FILE may be given, not 'a.dat' and 'b.dat'"},
        {{"list", "a.dat", "[--json]"},
         "'[--json]': brackets in the usage mark an optional part; give the option without them"},
        {{"dump", "a.dat", "--xml"}, "unknown option '--xml'"},
        {{"dump", "a.dat", "-x"}, "unknown option '-x'"},
        {{"dump", "a.dat", "--kind", "find"}, "--kind goes with --csv"},
        {{"describe", "a.dat"}, "--screen is missing"},
        {{"describe", "a.dat", "--screen"}, "missing value after '--screen'"},
        {{"render", "a.dat", "--screen", "find"}, "-o OUT is missing"},
        {{"export-all", "a.dat", "--depth", "8", "-d", "x"}, "--depth must be 16, 24 or 32"},
        {{"list", "a.dat", "--read-timeout", "0"},
         "--read-timeout must be a number of seconds from 0.001 to 86400"},
        {{"list", "a.dat", "--read-timeout", "0.0004"},
         "--read-timeout must be a number of seconds from 0.001 to 86400"},
        {{"list", "a.dat", "--pass-margin", "0x10"},
         "--pass-margin must be a number of dB, not '0x10'"},
        {{"report", "a.dat", "-o", "a.pdf", "--s2-allowance", "12"},
         "--s2-allowance must be a number of dB from 0 to 10, not '12'"},
        {{"render", "a.dat", "--screen", "find", "-o", ""}, "-o must not be empty"},
        {{"report", "a.dat", "-o", "a.pdf", "--output=b.pdf"}, "-o may be given only once"},
    };
    for (const auto& c : cases) {
        const CliResult result = RunCli(c.args);
        const std::string& command = c.args[0];
        EXPECT_EQ(result.exitCode, 2) << c.problem;
        EXPECT_EQ(result.out, "");
        EXPECT_TRUE(result.err.starts_with("mirelta-cli " + command + ": " + c.problem + "\n" +
                                           "usage: mirelta-cli " + command + " FILE"))
            << result.err;
        EXPECT_TRUE(result.err.ends_with("Try 'mirelta-cli help " + command + "' for more.\n"))
            << result.err;
    }
}

// The window's command line: its help names the file argument and the toolkit's options, and
// its usage errors read like the tool's.
TEST(GuiCommandLine, HelpAndUsageErrors) {
    const CliResult help = RunProgram(MIRELTA_GUI_PATH, {"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* text : {"[FILE.dat]", "-h, --help", "-v, --version", "-platform NAME"}) {
        EXPECT_NE(help.out.find(text), std::string::npos) << text;
    }
    EXPECT_EQ(RunProgram(MIRELTA_GUI_PATH, {"--version"}).out, "mirelta " MIRELTA_VERSION "\n");
    const struct {
        std::vector<std::string> args;
        std::string problem;
    } cases[] = {
        {{"a.dat", "b.dat"}, "only one FILE may be given"},
        {{"--bogus"}, "unknown option '--bogus'"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"-platform", "offscreen"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliResult result = RunProgram(MIRELTA_GUI_PATH, args);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.err, "mirelta: " + c.problem +
                                  "\nusage: mirelta [OPTIONS] [FILE.dat]\nTry 'mirelta --help' "
                                  "for more.\n");
    }
}

}  // namespace
}  // namespace mirelta::testing
