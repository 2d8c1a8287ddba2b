// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "cli/command.h"
#include "data/error.h"

namespace mirelta::cli {

// The exit code of each kind of failure; documented in the help text, scripts rely on them.
int ExitCode(ErrorKind kind);

// Prints `error` on stderr in the one wording of its kind and returns its exit code. `subject`
// is the file it concerns (the source for a read, the picture for a write).
int Fail(const Command& command, const Error& error, const std::string& subject = {});

// Shorthand for a usage error of `command`.
Error UsageError(std::string detail);

}  // namespace mirelta::cli
