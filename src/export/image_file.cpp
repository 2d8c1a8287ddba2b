// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/image_file.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageWriter>
#include <algorithm>
#include <cctype>
#include <exception>
#include <string>

#include "export/bmp_writer.h"
#include "export/image_encoding.h"

namespace mirelta {
namespace {

bool HasPngExtension(const std::filesystem::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".png";
}

SaveResult SavePng(const QImage& image, const std::filesystem::path& path, Durability durability) {
    // One buffer per thread, kept from picture to picture.
    thread_local QByteArray data;
    data.truncate(0);
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setQuality(kPngQuality);
    if (!writer.write(image)) {
        return SaveFailure(SaveError::EncodingFailed, writer.errorString().toStdString());
    }
    return WriteOutputFile(path,
                           {reinterpret_cast<const std::uint8_t*>(data.constData()),
                            static_cast<std::size_t>(data.size())},
                           durability);
}

}  // namespace

SaveResult SaveImageFile(const QImage& image, const std::filesystem::path& path, int bitsPerPixel,
                         Durability durability) {
    if (image.isNull()) {
        return SaveFailure(SaveError::NoPicture, "there is no picture to save");
    }
    if (HasPngExtension(path)) {
        return SavePng(image, path, durability);
    }
    thread_local std::vector<std::uint8_t> bytes;
    try {
        EncodeBmpInto(image, bitsPerPixel, bytes);
    } catch (const std::exception& e) {
        return SaveFailure(SaveError::EncodingFailed, e.what());
    }
    return WriteOutputFile(path, bytes, durability);
}

}  // namespace mirelta
