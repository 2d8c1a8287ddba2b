// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "cli/failure.h"
#include "cli/source_options.h"
#include "data/record_lists.h"
#include "data/source_file.h"
#include "data/source_image.h"

namespace mirelta::cli {

// A source file after Load, with the file slot behind each list entry.
struct LoadedFile {
    std::unique_ptr<SourceImage> image;
    std::unique_ptr<RecordLists> lists;
    std::vector<int> findSlots;
    std::vector<int> constellationSlots;
    std::vector<int> spectrumSlots;
};

// Reads and loads the source; on failure `out` is left as it was.
Failure OpenSource(const SourceOptions& source, LoadedFile& out);

// Says on stderr that `read` is not a meter's memory when its signature is wrong, as Load will
// then list nothing; the command still succeeds.
void WarnIfNotMeterImage(const ReadResult& read, const std::string& path);

}  // namespace mirelta::cli
