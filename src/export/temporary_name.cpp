// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/temporary_name.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace mirelta {
namespace {

constexpr std::string_view kMark = ".mirelta-";
constexpr std::string_view kEnd = ".tmp";
constexpr std::size_t kDigits = 6;
// Shortened so that a target name near the length limit still leaves room for the rest.
constexpr std::size_t kLongestStem = 200;

}  // namespace

std::string TemporaryNameFor(const std::string& fileName, unsigned number) {
    char digits[kDigits + 1];
    std::snprintf(digits, sizeof digits, "%06u", number % 1000000);
    return "." + fileName.substr(0, kLongestStem) + std::string(kMark) + digits + std::string(kEnd);
}

bool IsTemporaryName(std::string_view name) {
    const std::size_t tail = kMark.size() + kDigits + kEnd.size();
    if (name.size() < 1 + tail || name.front() != '.' || !name.ends_with(kEnd)) {
        return false;
    }
    const std::string_view rest = name.substr(name.size() - tail);
    const std::string_view digits = rest.substr(kMark.size(), kDigits);
    return rest.starts_with(kMark) &&
           std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void RemoveStaleTemporaries(const std::filesystem::path& folder, std::chrono::seconds age) {
    const std::time_t before = std::time(nullptr) - age.count();
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        struct stat info {};
        const std::filesystem::path& path = entry.path();
        if (IsTemporaryName(path.filename().string()) && ::lstat(path.c_str(), &info) == 0 &&
            S_ISREG(info.st_mode) && info.st_mtime < before) {
            ::unlink(path.c_str());
        }
    }
}

}  // namespace mirelta
