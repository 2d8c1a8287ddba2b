// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/image_file.h"

#include <cstdint>
#include <vector>

#include "export/image_encoding.h"

namespace mirelta {

SaveResult SaveImageFile(const QImage& image, const std::filesystem::path& path, int bitsPerPixel,
                         Durability durability) {
    if (image.isNull()) {
        return SaveFailure(SaveError::NoPicture, "there is no picture to save");
    }
    const auto format = ImageFormatOfPath(path);
    if (!format) {
        return SaveFailure(SaveError::UnknownFormat, UnknownImageFormatText(path));
    }
    // One buffer per thread, kept from picture to picture.
    thread_local std::vector<std::uint8_t> bytes;
    if (const Error error = EncodeImage(image, *format, bitsPerPixel, bytes); !error.ok()) {
        return SaveFailure(SaveError::EncodingFailed, error.detail);
    }
    return WriteOutputFile(path, bytes, durability);
}

Error WritePicture(const QImage& image, const std::string& format, int depth,
                   const std::filesystem::path& output, Durability durability) {
    // One buffer per thread, kept from picture to picture of a batch.
    thread_local std::vector<std::uint8_t> bytes;
    if (Error error = EncodeImage(image, format, depth, bytes); !error.ok()) {
        return error;
    }
    const SaveResult saved = WriteOutputFile(output, bytes, durability);
    if (!saved.ok()) {
        return {ErrorKind::WriteFailed, saved.reason()};
    }
    return {};
}

}  // namespace mirelta
