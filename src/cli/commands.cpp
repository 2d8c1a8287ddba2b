// SPDX-License-Identifier: GPL-3.0-or-later
// The list of commands. Adding one: a *_command.cpp file defining its Command, its declaration
// in command.h, and one entry here.
#include <array>

#include "cli/usage.h"

namespace mirelta::cli {
namespace {

constexpr std::array<const Command*, 8> kCommands{
    &kListCommand,      &kDumpCommand,   &kDescribeCommand, &kRenderCommand,
    &kExportAllCommand, &kReportCommand, &kAnalyseCommand,  &kLogCommand,
};

}  // namespace

std::span<const Command* const> AllCommands() {
    return kCommands;
}

const Command* FindCommand(const std::string& name) {
    for (const Command* command : kCommands) {
        if (name == command->name) {
            return command;
        }
    }
    return nullptr;
}

}  // namespace mirelta::cli
