// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/image_save_filter.h"

#include <QString>
#include <algorithm>
#include <set>
#include <vector>

#include "export/image_encoding.h"

namespace mirelta {
namespace {

struct Family {
    std::string description;
    std::vector<std::string> extensions;  // the first is the one a name typed without one gets
};

// Formats known by more than their extension; any other is "<EXT> image".
const std::vector<Family> kNamedFamilies{
    {"Bmp File", {"bmp"}},
    {"PNG image", {"png"}},
    {"JPEG image", {"jpg", "jpeg"}},
    {"TIFF image", {"tif", "tiff"}},
};

Family FamilyOf(const std::string& format) {
    for (const Family& family : kNamedFamilies) {
        if (std::ranges::find(family.extensions, format) != family.extensions.end()) {
            return family;
        }
    }
    return {QString::fromStdString(format).toUpper().toStdString() + " image", {format}};
}

}  // namespace

std::string ImageSaveFilter() {
    const std::vector<std::string> savable = SavableImageFormats();
    std::vector<std::string> ordered{"bmp", "png"};
    ordered.insert(ordered.end(), savable.begin(), savable.end());

    std::set<std::string> listed;
    std::string filter;
    for (const std::string& format : ordered) {
        if (listed.contains(format) || std::ranges::find(savable, format) == savable.end()) {
            continue;
        }
        const Family family = FamilyOf(format);
        std::string shown;
        std::string patterns;
        for (const std::string& extension : family.extensions) {
            if (std::ranges::find(savable, extension) == savable.end()) {
                continue;
            }
            listed.insert(extension);
            shown += (shown.empty() ? "*." : " *.") + extension;
            patterns += (patterns.empty() ? "*." : ";*.") + extension;
        }
        filter += family.description + " (" + shown + ")|" + patterns + "|";
    }
    return filter;
}

}  // namespace mirelta
