// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cctype>

#include "logbook/logbook.h"

namespace mirelta::logbook {
namespace {

namespace fs = std::filesystem;

bool IsMeterFileName(const fs::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".dat";
}

// A folder that cannot be listed, or not to its end, goes in as it is: the reader says why.
void CollectUnder(const fs::path& folder, std::vector<fs::path>& found) {
    std::error_code error;
    fs::directory_iterator entry(folder, error);
    for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
        std::error_code kindError;
        if (entry->is_directory(kindError) && !entry->is_symlink(kindError)) {
            CollectUnder(entry->path(), found);
        } else if (IsMeterFileName(entry->path()) && entry->is_regular_file(kindError)) {
            found.push_back(entry->path());
        }
    }
    if (error) {
        found.push_back(folder);
    }
}

}  // namespace

std::vector<fs::path> MeterFilesUnder(const std::vector<fs::path>& paths) {
    std::vector<fs::path> files;
    for (const fs::path& path : paths) {
        std::error_code error;
        if (path == "-" || !fs::is_directory(path, error)) {
            files.push_back(path);
            continue;
        }
        std::vector<fs::path> found;
        CollectUnder(path, found);
        std::sort(found.begin(), found.end());
        files.insert(files.end(), found.begin(), found.end());
    }
    return files;
}

}  // namespace mirelta::logbook
