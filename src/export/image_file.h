// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <filesystem>

#include "export/output_file.h"

namespace mirelta {

// Saves the picture by the path's extension: ".png" (any case) as PNG, anything else as BMP at
// bitsPerPixel (16, 24 or 32), written by WriteOutputFile ("-" is standard output). Unsynced
// durability leaves the flush to the caller's SyncFileSystem at the end of a batch.
SaveResult SaveImageFile(const QImage& image, const std::filesystem::path& path, int bitsPerPixel,
                         Durability durability = Durability::Synced);

}  // namespace mirelta
