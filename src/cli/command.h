// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <vector>

namespace mirelta::cli {

// A subcommand: how it is called, what it does, its options, and what it runs once its command
// line has been parsed. Every command gets -h/--help besides its own options.
struct Command {
    const char* name;
    const char* arguments;    // the usage line after "mirelta-cli NAME "
    const char* summary;      // one line for the command list
    const char* description;  // the body of `mirelta-cli help NAME`, before the options
    std::vector<QCommandLineOption> (*options)();
    int (*run)(const QCommandLineParser& parser);  // returns the exit code
};

// One per command file; main.cpp lists them.
extern const Command kListCommand;
extern const Command kDumpCommand;
extern const Command kDescribeCommand;
extern const Command kRenderCommand;
extern const Command kExportAllCommand;
extern const Command kReportCommand;
extern const Command kAnalyseCommand;
extern const Command kLogCommand;

}  // namespace mirelta::cli
