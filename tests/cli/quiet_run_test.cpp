// SPDX-License-Identifier: GPL-3.0-or-later
// A successful run says nothing on stderr, whatever the environment lacks (no runtime folder,
// no locale, no display): root shells, containers, cron and CI all look like this.
#include <gtest/gtest.h>

#include "cli_run.h"

namespace mirelta::testing {
namespace {

// Without a locale, GCC 12's LeakSanitizer crashes scanning the dynamic thread-local storage of
// the JPEG library that the image plugin loads; the render tests check JPEG saving for leaks with
// a locale set.
#ifdef __SANITIZE_ADDRESS__
const std::string kJpegRun = "env -i PATH=/usr/bin:/bin ASAN_OPTIONS=detect_leaks=0 ";
#else
const std::string kJpegRun = "env -i PATH=/usr/bin:/bin ";
#endif

TEST(CliQuiet, EveryCommandIsSilentOnStderrInABareEnvironment) {
    TempDir dir;
    const std::string demo = ShellQuote(DEMO_FILE);
    const std::string cli = "env -i PATH=/usr/bin:/bin " + ShellQuote(MIRELTA_CLI_PATH);
    const std::string commands[] = {
        cli + " list " + demo,
        cli + " dump " + demo + " --json",
        cli + " describe " + demo + " --screen spectrum --cursor 300,200",
        cli + " render " + demo + " --screen find -o " + ShellQuote((dir / "a.png").string()),
        kJpegRun + ShellQuote(MIRELTA_CLI_PATH) + " render " + demo + " --screen find -o " +
            ShellQuote((dir / "a.jpg").string()),
        cli + " export-all " + demo + " -d " + ShellQuote((dir / "all").string()),
        cli + " list - <" + demo,
        cli + " --help",
        "env -i PATH=/usr/bin:/bin " + ShellQuote(MIRELTA_GUI_PATH) + " --help",
        "env -i PATH=/usr/bin:/bin " + ShellQuote(MIRELTA_GUI_PATH) + " --version",
    };
    for (const std::string& command : commands) {
        const CliResult result = RunShell(command);
        EXPECT_EQ(result.exitCode, 0) << command;
        EXPECT_EQ(result.err, "") << command;
    }
}

}  // namespace
}  // namespace mirelta::testing
