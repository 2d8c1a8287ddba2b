#pragma once

#include <QImage>
#include <filesystem>

#include "export/atomic_file.h"

namespace mirelta {

// Saves the picture by the path's extension: ".png" (any case) as PNG, anything else as BMP at
// bitsPerPixel (16, 24 or 32). The file is replaced only once the new one is complete.
SaveResult SaveImageFile(const QImage& image, const std::filesystem::path& path, int bitsPerPixel);

}  // namespace mirelta
