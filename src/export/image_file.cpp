// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/image_file.h"

#include <cstdint>
#include <vector>

#include "export/image_encoding.h"

namespace mirelta {

SaveResult SaveImageFile(const QImage& image, const std::filesystem::path& path, int bitsPerPixel,
                         Durability durability) {
    const auto format = ImageFormatOfPath(path);
    if (!format) {
        return SaveFailure(SaveError::UnknownFormat, UnknownImageFormatText(path));
    }
    return WritePicture(image, *format, bitsPerPixel, path, durability);
}

SaveResult WritePicture(const QImage& image, const std::string& format, int depth,
                        const std::filesystem::path& output, Durability durability) {
    // One buffer per thread, kept from picture to picture of a batch.
    thread_local std::vector<std::uint8_t> bytes;
    if (SaveResult encoded = EncodeImage(image, format, depth, bytes); !encoded.ok()) {
        return encoded;
    }
    return WriteOutputFile(output, bytes, durability);
}

}  // namespace mirelta
