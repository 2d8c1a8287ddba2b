// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <cstdint>
#include <vector>

namespace mirelta {

// Uncompressed BMP: 14-byte file header, 40-byte info header, no colour table, rows bottom-up,
// each row padded to 4 bytes. 16 bits are X1R5G5B5, 24 bits B,G,R, 32 bits B,G,R,0.
// Throws std::invalid_argument for a null image, a depth other than 16, 24 or 32, or a picture
// too large for the format's 32-bit sizes.
std::vector<std::uint8_t> EncodeBmp(const QImage& image, int bitsPerPixel);
// The same into `out`, whose storage is reused from one picture to the next.
void EncodeBmpInto(const QImage& image, int bitsPerPixel, std::vector<std::uint8_t>& out);

// The depth a screenshot is saved at for Qt's screen depth: 16 and 24 stay, anything else is 32.
int BmpDepthForScreenDepth(int screenDepth);

}  // namespace mirelta
