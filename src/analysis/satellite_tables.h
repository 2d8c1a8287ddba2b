// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "analysis/channel_file.h"

namespace mirelta::analysis {

// Where Debian's dtv-scan-tables puts its satellite lists.
inline constexpr const char* kDefaultTablesFolder = "/usr/share/dvb/dvb-s";

// All the lists of one orbital slot.
struct OrbitalPosition {
    std::string name;                // after its lists' satellites: "Hotbird", "Intelsat/Thor"
    double degrees = 0;              // east, west negative, to the tenth
    std::vector<std::string> files;  // file names in name order
    std::vector<ListedTransponder> transponders;  // of all its lists, by rising frequency
};

struct SatelliteTables {
    std::vector<OrbitalPosition> positions;  // west to east
    std::vector<std::string> warnings;       // a folder that cannot be read, files left out: why
};

// Reads every list of `folder` whose file name ends in an orbital position (Hotbird-13.0E) and
// groups them by position. Hidden files and subfolders are passed over; a file that is too large,
// cannot be read or is not a channel list is left out with a warning, and so is a block that does
// not read. The work is bounded: at most 4096 files of up to 1 MiB each.
SatelliteTables ReadSatelliteTables(const std::filesystem::path& folder = kDefaultTablesFolder);

}  // namespace mirelta::analysis
