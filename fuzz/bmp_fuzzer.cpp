// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the BMP encoder on pictures of any small size, content and depth.
#include <QImage>
#include <cstdint>
#include <stdexcept>

#include "bmp_checks.h"
#include "export/bmp_writer.h"
#include "fuzz_check.h"

namespace mirelta::fuzz {
namespace {

// The stored value of every pixel, row by row from the bottom, in each depth's own layout.
void CheckAllPixels(const std::vector<std::uint8_t>& bmp, const QImage& image, int bitsPerPixel) {
    const int bytesPerPixel = bitsPerPixel / 8;
    const std::size_t rowSize =
        (static_cast<std::size_t>(image.width()) * bitsPerPixel + 31) / 32 * 4;
    for (int y = 0; y < image.height(); ++y) {
        const std::size_t row = 54 + rowSize * static_cast<std::size_t>(image.height() - 1 - y);
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            const std::size_t at = row + static_cast<std::size_t>(x * bytesPerPixel);
            if (bitsPerPixel == 16) {
                const std::uint32_t expected = (static_cast<std::uint32_t>(qRed(p)) >> 3) << 10 |
                                               (static_cast<std::uint32_t>(qGreen(p)) >> 3) << 5 |
                                               static_cast<std::uint32_t>(qBlue(p)) >> 3;
                Check(Le(bmp, at, 2) == expected, "16-bit pixel");
            } else {
                Check(bmp[at] == qBlue(p) && bmp[at + 1] == qGreen(p) && bmp[at + 2] == qRed(p),
                      "pixel channels");
                Check(bitsPerPixel == 24 || bmp[at + 3] == 0, "fourth byte of a 32-bit pixel");
            }
        }
        for (std::size_t pad = static_cast<std::size_t>(image.width() * bytesPerPixel);
             pad < rowSize; ++pad) {
            Check(bmp[row + pad] == 0, "row padding");
        }
    }
}

}  // namespace
}  // namespace mirelta::fuzz

// Byte 0: width, byte 1: height, byte 2: image format and depth; the rest: pixel bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace mirelta;
    using namespace mirelta::fuzz;
    if (size < 3) {
        return 0;
    }
    const int width = 1 + data[0] % 64;
    const int height = 1 + data[1] % 64;
    const QImage::Format formats[] = {QImage::Format_RGB32, QImage::Format_ARGB32,
                                      QImage::Format_RGB16, QImage::Format_RGB888};
    QImage image(width, height, formats[data[2] % 4]);
    std::size_t next = 3;
    for (int y = 0; y < height; ++y) {
        uchar* line = image.scanLine(y);
        for (qsizetype k = 0; k < image.bytesPerLine(); ++k) {
            line[k] = next < size ? data[next++] : static_cast<uchar>(k * 31 + y);
        }
    }
    // Turning other formats into plain RGB is the toolkit's part; the layout is checked after it.
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int depths[] = {16, 24, 32, data[2] / 4};
    for (const int depth : depths) {
        const bool supported = depth == 16 || depth == 24 || depth == 32;
        try {
            const std::vector<std::uint8_t> bmp = EncodeBmp(image, depth);
            Check(supported, "unsupported depth refused");
            CheckBmp(bmp, rgb, depth);
            CheckAllPixels(bmp, rgb, depth);
        } catch (const std::invalid_argument&) {
            Check(!supported, "supported depth encoded");
        }
    }
    return 0;
}
