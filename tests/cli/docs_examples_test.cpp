// SPDX-License-Identifier: GPL-3.0-or-later
// The command examples in README.md and docs/cli.md, run as written against the demo file:
// the outputs shown there are the outputs the tool gives.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli_run.h"

namespace mirelta::testing {
namespace {

struct Example {
    std::string command;
    std::vector<std::string> shown;  // the lines under it, up to the next command
};

// Every "$ " line of the page's console blocks, with the output shown under it.
std::vector<Example> ExamplesIn(const std::filesystem::path& page) {
    std::ifstream in(page);
    std::vector<Example> examples;
    bool inConsole = false;
    for (std::string line; std::getline(in, line);) {
        if (!inConsole) {
            inConsole = line == "```console";
        } else if (line == "```") {
            inConsole = false;
        } else if (line.starts_with("$ ")) {
            examples.push_back({line.substr(2), {}});
        } else if (!examples.empty()) {
            examples.back().shown.push_back(line);
        }
    }
    return examples;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// "..." alone stands for any number of lines; a line ending in "..." for any line that starts
// with the rest.
bool Matches(const std::vector<std::string>& shown, std::size_t i,
             const std::vector<std::string>& real, std::size_t j) {
    if (i == shown.size()) {
        return j == real.size();
    }
    if (shown[i] == "...") {
        for (std::size_t k = j; k <= real.size(); ++k) {
            if (Matches(shown, i + 1, real, k)) {
                return true;
            }
        }
        return false;
    }
    if (j == real.size()) {
        return false;
    }
    const std::string& s = shown[i];
    const bool same =
        s.ends_with("...") ? real[j].starts_with(s.substr(0, s.size() - 3)) : real[j] == s;
    return same && Matches(shown, i + 1, real, j + 1);
}

TEST(DocsExamples, RunAsShown) {
    const std::filesystem::path source = PROJECT_SOURCE;
    const std::filesystem::path bin = std::filesystem::path(MIRELTA_CLI_PATH).parent_path();
    TempDir dir;
    std::filesystem::create_directories(dir / "build");
    std::filesystem::create_directory_symlink(bin, dir / "build/bin");
    std::filesystem::create_directory_symlink(source / "examples", dir / "examples");
    for (const char* page : {"README.md", "docs/cli.md"}) {
        const std::vector<Example> examples = ExamplesIn(source / page);
        EXPECT_GE(examples.size(), 5u) << page;
        for (const Example& example : examples) {
            const CliResult result = RunShell("cd " + ShellQuote((dir / "").string()) +
                                              " && PATH=" + ShellQuote(bin.string()) +
                                              ":$PATH; { " + example.command + "; } 2>&1");
            EXPECT_TRUE(Matches(example.shown, 0, Lines(result.out), 0))
                << page << ": $ " << example.command << "\n--- gives:\n"
                << result.out;
        }
    }
}

}  // namespace
}  // namespace mirelta::testing
