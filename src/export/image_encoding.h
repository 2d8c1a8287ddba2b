// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "export/save_result.h"

namespace mirelta {

// The PNG writer's quality, measured on the replica's flat-colour screens (bench/png_bench): one
// of zlib's fastest levels, for files a few per cent larger. See the README.
inline constexpr int kPngQuality = 80;

// The formats a picture can be saved in, lower case and sorted: "bmp" through our own writer,
// every other one that the toolkit's installed image plugins can write.
std::vector<std::string> SavableImageFormats();

// The savable format that a file name's extension names ("x.JPG" gives "jpg"); none for a
// name without an extension or with one that is not savable.
std::optional<std::string> ImageFormatOfPath(const std::filesystem::path& path);
// Why a picture cannot be saved under `path`, for a name that ImageFormatOfPath() finds no
// format in: 'unknown picture format ".xyz": use one of bmp, jpeg, jpg, png, ...'.
std::string UnknownImageFormatText(const std::filesystem::path& path);

// Encodes the picture in `format` (one of SavableImageFormats()); BMP at bitsPerPixel. `out` is
// refilled, so a caller that keeps it keeps its capacity from picture to picture.
SaveResult EncodeImage(const QImage& image, const std::string& format, int bitsPerPixel,
                       std::vector<std::uint8_t>& out);

}  // namespace mirelta
