// mirelta-cli: subcommand dispatch. A new command is one file defining its Command plus one
// entry in kCommands.
#include <array>
#include <iostream>
#include <string>

#include "cli/command.h"
#include "cli/exit_codes.h"
#include "cli/usage.h"
#include "mirelta_version.h"

namespace {

constexpr std::array<const mirelta::cli::Command*, 5> kCommands{
    &mirelta::cli::kListCommand,      &mirelta::cli::kDumpCommand,
    &mirelta::cli::kDescribeCommand,  &mirelta::cli::kRenderCommand,
    &mirelta::cli::kExportAllCommand,
};

}  // namespace

int main(int argc, char** argv) {
    using namespace mirelta::cli;
    const Arguments args(argv + 1, argv + argc);
    if (args.empty()) {
        PrintUsage(std::cerr, kCommands);
        return kExitUsage;
    }
    if (args[0] == "--help" || args[0] == "-h") {
        PrintHelp(std::cout, kCommands);
        return kExitOk;
    }
    if (args[0] == "--version") {
        std::cout << "mirelta-cli " << mirelta::kVersion << '\n';
        return kExitOk;
    }
    for (const Command* command : kCommands) {
        if (args[0] == command->name) {
            return command->run(Arguments(args.begin() + 1, args.end()));
        }
    }
    std::cerr << "mirelta-cli: unknown command '" << args[0] << "'\n";
    PrintUsage(std::cerr, kCommands);
    return kExitUsage;
}
