#pragma once

#include <string>

#include "assess/assessment.h"
#include "cli/command.h"

namespace mirelta::cli {

// Takes "--pass-margin DB" and "--fail-margin DB" (or "--pass-margin=DB") out of `args` into
// `out`, leaving the rest for the command's own parser. Returns an error message, or an empty
// string.
std::string TakeThresholdOptions(Arguments& args, Thresholds& out);

}  // namespace mirelta::cli
