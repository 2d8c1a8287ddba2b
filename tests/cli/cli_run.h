// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <vector>

class QJsonObject;  // declared only: Qt's keywords would clash with the tests' names

namespace mirelta::testing {

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the built binary at `program` with `args`, capturing both streams.
CliResult RunProgram(const std::string& program, const std::vector<std::string>& args);

// Runs a shell command line, capturing both streams; for redirections and environments.
CliResult RunShell(const std::string& commandLine);
std::string ShellQuote(const std::string& text);

inline CliResult RunCli(const std::vector<std::string>& args) {
    return RunProgram(MIRELTA_CLI_PATH, args);
}

// Runs mirelta-cli with `args`, expects success, and parses its standard output as one object.
QJsonObject RunCliJson(const std::vector<std::string>& args);

// A fresh directory per test, removed at the end.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

}  // namespace mirelta::testing
