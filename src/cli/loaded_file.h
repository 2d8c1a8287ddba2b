#pragma once

#include <memory>
#include <string>
#include <vector>

#include "data/record_lists.h"
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

// Reads and loads `path`. On failure prints one line on stderr ("Open false! PATH" or
// "Read file error! PATH") and returns its exit code; returns kExitOk otherwise.
int OpenSource(const std::string& path, LoadedFile& out);

}  // namespace mirelta::cli
