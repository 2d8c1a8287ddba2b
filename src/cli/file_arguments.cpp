#include "cli/file_arguments.h"

#include <algorithm>

namespace mirelta::cli {

std::string ParseFileArguments(const Arguments& args,
                               std::initializer_list<std::string_view> formats,
                               FileArguments& out) {
    FileArguments parsed;
    bool havePath = false;
    for (const std::string& arg : args) {
        if (arg.size() > 1 && arg[0] == '-') {
            if (std::find(formats.begin(), formats.end(), arg) == formats.end()) {
                return "unknown option '" + arg + "'";
            }
            if (!parsed.format.empty()) {
                return "only one output format may be given";
            }
            parsed.format = arg;
        } else if (havePath) {
            return "only one FILE may be given";
        } else {
            parsed.path = arg;
            havePath = true;
        }
    }
    if (!havePath) {
        return "FILE is missing";
    }
    out = parsed;
    return {};
}

}  // namespace mirelta::cli
