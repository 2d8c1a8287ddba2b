#pragma once

#include <string>
#include <vector>

namespace mirelta::cli {

using Arguments = std::vector<std::string>;

// A subcommand: its name, its usage line(s) for --help, and what it runs with the arguments
// that follow its name. Returns the process exit code.
struct Command {
    const char* name;
    const char* usage;
    int (*run)(const Arguments& args);
};

// One per command file; main.cpp lists them.
extern const Command kListCommand;
extern const Command kDumpCommand;
extern const Command kDescribeCommand;
extern const Command kRenderCommand;
extern const Command kExportAllCommand;
extern const Command kReportCommand;

}  // namespace mirelta::cli
