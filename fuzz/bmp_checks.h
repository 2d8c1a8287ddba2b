// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <cstdint>
#include <vector>

#include "fuzz_check.h"

namespace mirelta::fuzz {

inline std::uint32_t Le(const std::vector<std::uint8_t>& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int k = size - 1; k >= 0; --k) {
        value = (value << 8) | bytes[at + static_cast<std::size_t>(k)];
    }
    return value;
}

// The file layout as the BMP format defines it, checked against the picture it came from: the
// headers, the size, and the first and last pixel of the first stored row (the picture's bottom).
inline void CheckBmp(const std::vector<std::uint8_t>& bmp, const QImage& image, int bitsPerPixel) {
    const auto width = static_cast<std::uint32_t>(image.width());
    const auto height = static_cast<std::uint32_t>(image.height());
    const std::uint32_t rowSize = (width * static_cast<std::uint32_t>(bitsPerPixel) + 31) / 32 * 4;
    Check(bmp.size() == 54 + rowSize * height, "BMP size");
    Check(Le(bmp, 0, 2) == 0x4D42 && Le(bmp, 2, 4) == bmp.size() && Le(bmp, 6, 4) == 0 &&
              Le(bmp, 10, 4) == 54,
          "BMP file header");
    Check(Le(bmp, 14, 4) == 40 && Le(bmp, 18, 4) == width && Le(bmp, 22, 4) == height &&
              Le(bmp, 26, 2) == 1 && Le(bmp, 28, 2) == static_cast<std::uint32_t>(bitsPerPixel) &&
              Le(bmp, 30, 4) == 0 && Le(bmp, 34, 4) == rowSize * height,
          "BMP info header");
    for (std::uint32_t x : {0u, width - 1}) {
        const QRgb p = image.pixel(static_cast<int>(x), static_cast<int>(height) - 1);
        const std::size_t at = 54 + x * static_cast<std::uint32_t>(bitsPerPixel / 8);
        if (bitsPerPixel == 16) {
            const std::uint32_t word = Le(bmp, at, 2);
            Check(word == ((static_cast<std::uint32_t>(qRed(p)) >> 3) << 10 |
                           (static_cast<std::uint32_t>(qGreen(p)) >> 3) << 5 |
                           static_cast<std::uint32_t>(qBlue(p)) >> 3),
                  "BMP 16-bit pixel");
        } else {
            Check(bmp[at] == qBlue(p) && bmp[at + 1] == qGreen(p) && bmp[at + 2] == qRed(p),
                  "BMP pixel");
        }
    }
}

}  // namespace mirelta::fuzz
