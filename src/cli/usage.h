// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <span>
#include <string>

#include "cli/command.h"

namespace mirelta::cli {

// Every command, in the order the help lists them; a new command is one entry in commands.cpp.
std::span<const Command* const> AllCommands();
const Command* FindCommand(const std::string& name);

// "mirelta-cli NAME ARGUMENTS", its continuation lines aligned for a line that starts `indent`
// characters in.
std::string UsageLine(const Command& command, std::size_t indent);

void PrintUsage(std::ostream& out);                                // the usage of every command
void PrintHelp(std::ostream& out);                                 // `mirelta-cli --help`
void PrintCommandHelp(std::ostream& out, const Command& command);  // `mirelta-cli help NAME`

// The one wording of every usage error: "mirelta-cli[ NAME]: DETAIL", the usage, and where to
// read more. `command` is null for an error before a command was known.
void PrintUsageError(std::ostream& out, const Command* command, const std::string& detail);

}  // namespace mirelta::cli
