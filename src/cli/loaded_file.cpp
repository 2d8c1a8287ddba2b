// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/loaded_file.h"

#include <iostream>

namespace mirelta::cli {
namespace {

// Load has already cleared the masks of an invalid image, so these match the lists.
template <typename Used>
std::vector<int> UsedSlots(int slots, Used used) {
    std::vector<int> result;
    for (int n = 0; n < slots; ++n) {
        if (used(n)) {
            result.push_back(n);
        }
    }
    return result;
}

}  // namespace

void WarnIfNotMeterImage(const ReadResult& read, const std::string& path) {
    if (read.image && read.image->signature() != kValidSignature) {
        std::cerr << path << ": not a meter memory image; nothing listed\n";
    }
}

Failure OpenSource(const SourceOptions& source, LoadedFile& out) {
    ReadResult read = ReadSourceFile(source.path, source.deadline);
    if (!read.error.ok()) {
        return read.error;
    }
    WarnIfNotMeterImage(read, source.path);
    LoadedFile loaded;
    loaded.image = std::move(read.image);
    loaded.lists = std::make_unique<RecordLists>(Load(*loaded.image));
    const SourceImage& image = *loaded.image;
    loaded.findSlots =
        UsedSlots(SourceImage::kFindSlots, [&](int n) { return image.findSlotUsed(n); });
    loaded.constellationSlots = UsedSlots(SourceImage::kConstellationSlots,
                                          [&](int n) { return image.constellationSlotUsed(n); });
    loaded.spectrumSlots =
        UsedSlots(SourceImage::kSpectrumSlots, [&](int n) { return image.spectrumSlotUsed(n); });
    out = std::move(loaded);
    return {};
}

}  // namespace mirelta::cli
