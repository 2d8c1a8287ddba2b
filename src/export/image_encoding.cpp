// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/image_encoding.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageWriter>
#include <algorithm>
#include <cctype>
#include <exception>

#include "export/bmp_writer.h"

namespace mirelta {

std::vector<std::string> SavableImageFormats() {
    std::vector<std::string> formats{"bmp"};
    for (const QByteArray& name : QImageWriter::supportedImageFormats()) {
        const std::string format = name.toLower().toStdString();
        if (std::find(formats.begin(), formats.end(), format) == formats.end()) {
            formats.push_back(format);
        }
    }
    std::sort(formats.begin(), formats.end());
    return formats;
}

std::optional<std::string> ImageFormatOfPath(const std::filesystem::path& path) {
    std::string extension = path.extension().string();
    if (extension.size() < 2) {
        return std::nullopt;
    }
    extension.erase(0, 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const std::vector<std::string> formats = SavableImageFormats();
    if (std::find(formats.begin(), formats.end(), extension) == formats.end()) {
        return std::nullopt;
    }
    return extension;
}

std::string UnknownImageFormatText(const std::filesystem::path& path) {
    const std::string extension = path.extension().string();
    std::string text = extension.size() < 2 ? "the file name has no picture format extension"
                                            : "unknown picture format \"" + extension + "\"";
    const char* separator = ": use one of ";
    for (const std::string& format : SavableImageFormats()) {
        text += separator + format;
        separator = ", ";
    }
    return text;
}

SaveResult EncodeImage(const QImage& image, const std::string& format, int bitsPerPixel,
                       std::vector<std::uint8_t>& out) {
    if (image.isNull()) {
        return SaveFailure(SaveError::NoPicture, "there is no picture to save");
    }
    if (format == "bmp") {
        try {
            EncodeBmpInto(image, bitsPerPixel, out);
        } catch (const std::exception& e) {
            return SaveFailure(SaveError::EncodingFailed, e.what());
        }
        return {};
    }
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, QByteArray::fromStdString(format));
    if (format == "png") {
        writer.setQuality(kPngQuality);
    }
    if (!writer.write(image)) {
        return SaveFailure(SaveError::EncodingFailed, writer.errorString().toStdString());
    }
    out.assign(data.begin(), data.end());
    return {};
}

}  // namespace mirelta
