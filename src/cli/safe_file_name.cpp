#include "cli/safe_file_name.h"

#include <cstdio>

namespace mirelta::cli {

namespace {

bool Keeps(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_';
}

std::string SafeLabel(const std::string& label) {
    std::string safe;
    for (char c : label) {
        const char kept = Keeps(c) ? c : '_';
        if (kept == '_' && !safe.empty() && safe.back() == '_') {
            continue;
        }
        safe += kept;
    }
    // No hidden files, no "..", no leading or trailing separators.
    while (!safe.empty() && (safe.front() == '.' || safe.front() == '_')) {
        safe.erase(safe.begin());
    }
    while (!safe.empty() && (safe.back() == '.' || safe.back() == '_')) {
        safe.pop_back();
    }
    constexpr std::size_t kLongest = 64;
    if (safe.size() > kLongest) {
        safe.resize(kLongest);
    }
    return safe.empty() ? "record" : safe;
}

}  // namespace

std::string ExportFileName(const std::string& kind, int entry, const std::string& label,
                           const std::string& extension) {
    char number[16];
    std::snprintf(number, sizeof number, "%02d", entry);
    return kind + "-" + number + "-" + SafeLabel(label) + "." + extension;
}

}  // namespace mirelta::cli
