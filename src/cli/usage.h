#pragma once

#include <ostream>
#include <span>

#include "cli/command.h"

namespace mirelta::cli {

void PrintHelp(std::ostream& out, std::span<const Command* const> commands);
void PrintUsage(std::ostream& out, std::span<const Command* const> commands);

// For a command's own argument errors: "<message>" then the usage lines; returns kExitUsage.
int UsageError(const Command& command, const std::string& message);

}  // namespace mirelta::cli
