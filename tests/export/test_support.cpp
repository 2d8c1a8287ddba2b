// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_support.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace mirelta::test {

std::uint16_t Le16(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(bytes.at(offset) | (bytes.at(offset + 1) << 8));
}

std::uint32_t Le32(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return static_cast<std::uint32_t>(Le16(bytes, offset)) |
           (static_cast<std::uint32_t>(Le16(bytes, offset + 2)) << 16);
}

QImage MakeTitledImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kPanelGrey);
    for (int y = 0; y < 48 && y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, kTeal);
        }
    }
    for (int x = 0; x < width; ++x) {
        image.setPixel(x, height - 1, kRed);
    }
    return image;
}

QImage MakePatternImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgb((x * 7 + y) & 0xFF, (y * 5 + x * 3) & 0xFF, (x ^ y) & 0xFF));
        }
    }
    return image;
}

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path.string());
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

std::vector<std::string> FolderEntries(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace mirelta::test
