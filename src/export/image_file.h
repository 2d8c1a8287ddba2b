// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <filesystem>
#include <string>

#include "export/output_file.h"

namespace mirelta {

// Saves the picture in the format its path's extension names (any case): ".bmp" through our own
// writer at bitsPerPixel (16, 24 or 32), the others through the toolkit's, written by
// WriteOutputFile. A name without a savable extension is refused and nothing is written.
// Unsynced durability leaves the flush to the caller's SyncFileSystem at the end of a batch.
SaveResult SaveImageFile(const QImage& image, const std::filesystem::path& path, int bitsPerPixel,
                         Durability durability = Durability::Synced);

// Encodes the picture in `format` (one of SavableImageFormats()) and writes it as WriteOutputFile
// does; "-" is standard output. A batch defers the flush and makes all its files durable at once.
SaveResult WritePicture(const QImage& image, const std::string& format, int depth,
                        const std::filesystem::path& output,
                        Durability durability = Durability::Synced);

}  // namespace mirelta
