// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/bmp_writer.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <string>

namespace mirelta {
namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPixelOffset = kFileHeaderSize + kInfoHeaderSize;

void PutLe16(std::uint8_t* at, std::uint16_t value) {
    at[0] = static_cast<std::uint8_t>(value);
    at[1] = static_cast<std::uint8_t>(value >> 8);
}

void PutLe32(std::uint8_t* at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        at[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

// Fields not written here stay zero: reserved words, pels per metre, colours used and important.
void PutHeaders(std::uint8_t* out, int width, int height, int bitsPerPixel,
                std::uint32_t imageSize) {
    PutLe16(out + 0, 0x4D42);
    PutLe32(out + 2, kPixelOffset + imageSize);
    PutLe32(out + 10, kPixelOffset);
    PutLe32(out + 14, kInfoHeaderSize);
    PutLe32(out + 18, static_cast<std::uint32_t>(width));
    PutLe32(out + 22, static_cast<std::uint32_t>(height));
    PutLe16(out + 26, 1);
    PutLe16(out + 28, static_cast<std::uint16_t>(bitsPerPixel));
    PutLe32(out + 34, imageSize);
}

// One loop per depth, so that the pixel loop holds no branch.
void PackRow16(const QRgb* pixels, int width, std::uint8_t* out) {
    for (int x = 0; x < width; ++x, out += 2) {
        const QRgb p = pixels[x];
        PutLe16(out, static_cast<std::uint16_t>(((qRed(p) >> 3) << 10) | ((qGreen(p) >> 3) << 5) |
                                                (qBlue(p) >> 3)));
    }
}

void PackRow24(const QRgb* pixels, int width, std::uint8_t* out) {
    for (int x = 0; x < width; ++x, out += 3) {
        const QRgb p = pixels[x];
        out[0] = static_cast<std::uint8_t>(qBlue(p));
        out[1] = static_cast<std::uint8_t>(qGreen(p));
        out[2] = static_cast<std::uint8_t>(qRed(p));
    }
}

void PackRow32(const QRgb* pixels, int width, std::uint8_t* out) {
    for (int x = 0; x < width; ++x, out += 4) {
        PutLe32(out, pixels[x] & 0x00FFFFFFu);
    }
}

using RowPacker = void (*)(const QRgb*, int, std::uint8_t*);

RowPacker PackerFor(int bitsPerPixel) {
    return bitsPerPixel == 16 ? PackRow16 : bitsPerPixel == 24 ? PackRow24 : PackRow32;
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const QImage& image, int bitsPerPixel) {
    std::vector<std::uint8_t> bytes;
    EncodeBmpInto(image, bitsPerPixel, bytes);
    return bytes;
}

void EncodeBmpInto(const QImage& image, int bitsPerPixel, std::vector<std::uint8_t>& out) {
    if (bitsPerPixel != 16 && bitsPerPixel != 24 && bitsPerPixel != 32) {
        throw std::invalid_argument("a BMP is written at 16, 24 or 32 bits per pixel, not " +
                                    std::to_string(bitsPerPixel));
    }
    if (image.isNull()) {
        throw std::invalid_argument("there is no picture to write");
    }
    // Shares the pixels, without a copy, when the picture already is RGB32.
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();
    const int height = rgb.height();
    const std::uint64_t packedSize =
        static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(bitsPerPixel) / 8;
    const std::uint64_t rowSize = (packedSize + 3) & ~std::uint64_t{3};
    const std::uint64_t imageSize = rowSize * static_cast<std::uint64_t>(height);
    if (imageSize > std::numeric_limits<std::uint32_t>::max() - kPixelOffset) {
        throw std::invalid_argument("the picture is too large for a BMP file");
    }

    out.resize(kPixelOffset + imageSize);
    std::fill(out.begin(), out.begin() + kPixelOffset, std::uint8_t{0});
    PutHeaders(out.data(), width, height, bitsPerPixel, static_cast<std::uint32_t>(imageSize));
    const RowPacker pack = PackerFor(bitsPerPixel);
    for (int row = 0; row < height; ++row) {
        std::uint8_t* line = out.data() + kPixelOffset + static_cast<std::uint64_t>(row) * rowSize;
        // Positive height: the bottom line of the picture is stored first.
        pack(reinterpret_cast<const QRgb*>(rgb.constScanLine(height - 1 - row)), width, line);
        std::fill(line + packedSize, line + rowSize, std::uint8_t{0});
    }
}

int BmpDepthForScreenDepth(int screenDepth) {
    return screenDepth == 16 || screenDepth == 24 ? screenDepth : 32;
}

}  // namespace mirelta
