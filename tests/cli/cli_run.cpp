// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_run.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <atomic>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace mirelta::testing {
namespace {

std::string Slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

std::string ShellQuote(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("mirelta_cli_test_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

CliResult RunProgram(const std::string& program, const std::vector<std::string>& args) {
    std::string command = ShellQuote(program);
    for (const std::string& arg : args) {
        command += ' ' + ShellQuote(arg);
    }
    return RunShell(command);
}

CliResult RunShell(const std::string& commandLine) {
    TempDir dir;
    const std::string command = "{ " + commandLine + "; } >" + ShellQuote((dir / "out").string()) +
                                " 2>" + ShellQuote((dir / "err").string());
    const int status = std::system(command.c_str());
    CliResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = Slurp(dir / "out");
    result.err = Slurp(dir / "err");
    return result;
}

QJsonObject RunCliJson(const std::vector<std::string>& args) {
    const CliResult result = RunCli(args);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    return QJsonDocument::fromJson(QByteArray::fromStdString(result.out)).object();
}

}  // namespace mirelta::testing
