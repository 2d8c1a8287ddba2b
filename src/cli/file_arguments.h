#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "cli/command.h"

namespace mirelta::cli {

// FILE plus at most one of the command's format flags, in any order.
struct FileArguments {
    std::string path;
    std::string format;  // one of the allowed flags, or empty for the text form
};

// Returns an error message, or an empty string when `out` was filled.
std::string ParseFileArguments(const Arguments& args,
                               std::initializer_list<std::string_view> formats, FileArguments& out);

}  // namespace mirelta::cli
