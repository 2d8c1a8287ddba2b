// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/satellite_tables.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <sstream>

#include "analysis/orbital_position.h"
#include "analysis/position_name.h"

namespace mirelta::analysis {
namespace {

namespace fs = std::filesystem;

// Debian's largest list is under 40 KiB and it ships a few hundred.
constexpr std::uintmax_t kLargestFile = 1 << 20;
constexpr std::size_t kMostFiles = 4096;

struct Found {
    std::string fileName;
    ListFileName split;
};

// The lists of `folder` by file name; problems with the folder itself go to `warnings`.
std::vector<Found> ListFiles(const fs::path& folder, std::vector<std::string>& warnings) {
    std::vector<Found> found;
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    if (error) {
        warnings.push_back(folder.string() + ": " + error.message());
        return found;
    }
    for (const fs::directory_entry& entry : entries) {
        const std::string name = entry.path().filename().string();
        std::error_code typeError;
        if (name.starts_with('.') || !entry.is_regular_file(typeError)) {
            continue;
        }
        if (found.size() == kMostFiles) {
            warnings.push_back(folder.string() + ": more than " + std::to_string(kMostFiles) +
                               " files; the rest are left out");
            break;
        }
        if (const std::optional<ListFileName> split = SplitListFileName(name)) {
            found.push_back({name, *split});
        } else {
            warnings.push_back(entry.path().string() +
                               ": left out, its name ends in no orbital position such as -13.0E");
        }
    }
    std::sort(found.begin(), found.end(),
              [](const Found& a, const Found& b) { return a.fileName < b.fileName; });
    return found;
}

// The file's text, or why it cannot be had.
std::optional<std::string> ReadText(const fs::path& path, std::string& problem) {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(path, error);
    if (error) {
        problem = error.message();
        return std::nullopt;
    }
    if (size > kLargestFile) {
        problem = "larger than 1 MiB, which no satellite list is";
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    if (!(text << in.rdbuf())) {
        problem = "cannot be read";
        return std::nullopt;
    }
    return std::move(text).str();
}

}  // namespace

SatelliteTables ReadSatelliteTables(const fs::path& folder) {
    SatelliteTables tables;
    // Keyed by tenths of a degree, as the file names write positions.
    std::map<long, OrbitalPosition> byPosition;
    std::map<long, std::vector<std::string>> satellites;
    for (const Found& list : ListFiles(folder, tables.warnings)) {
        const fs::path path = folder / list.fileName;
        std::string problem;
        const std::optional<std::string> text = ReadText(path, problem);
        ChannelFile channels = text ? ParseChannelFile(*text) : ChannelFile{{}, {}, problem};
        if (!channels.error.empty()) {
            tables.warnings.push_back(path.string() + ": left out, " + channels.error);
            continue;
        }
        for (const std::string& block : channels.leftOut) {
            tables.warnings.push_back(path.string() + ": " + block + "; the block is left out");
        }
        const long tenths = std::lround(list.split.degrees * 10);
        OrbitalPosition& position = byPosition[tenths];
        position.degrees = static_cast<double>(tenths) / 10;
        position.files.push_back(list.fileName);
        std::move(channels.transponders.begin(), channels.transponders.end(),
                  std::back_inserter(position.transponders));
        satellites[tenths].push_back(list.split.satellite);
    }
    for (auto& [tenths, position] : byPosition) {
        position.name = PositionName(satellites[tenths]);
        std::stable_sort(position.transponders.begin(), position.transponders.end(),
                         [](const ListedTransponder& a, const ListedTransponder& b) {
                             return a.frequencyMHz < b.frequencyMHz;
                         });
        tables.positions.push_back(std::move(position));
    }
    return tables;
}

}  // namespace mirelta::analysis
