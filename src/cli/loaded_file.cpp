#include "cli/loaded_file.h"

#include <iostream>

#include "cli/exit_codes.h"
#include "data/source_file.h"

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

int OpenSource(const std::string& path, LoadedFile& out) {
    ReadResult read = ReadSourceFile(path);
    switch (read.error) {
        case ReadError::CannotOpen:
            std::cerr << "Open false! " << path << '\n';
            return kExitCannotOpen;
        case ReadError::ShortRead:
            std::cerr << "Read file error! " << path << '\n';
            return kExitShortRead;
        case ReadError::None:
            break;
    }
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
    return kExitOk;
}

}  // namespace mirelta::cli
