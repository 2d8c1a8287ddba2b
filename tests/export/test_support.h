// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRgb>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "fixtures/scratch_folder.h"

namespace mirelta::test {

inline constexpr QRgb kTeal = qRgb(58, 116, 116);
inline constexpr QRgb kPanelGrey = qRgb(190, 190, 190);
inline constexpr QRgb kRed = qRgb(255, 0, 0);

// Little-endian fields read straight from file bytes, independently of the writer.
std::uint16_t Le16(const std::vector<std::uint8_t>& bytes, std::size_t offset);
std::uint32_t Le32(const std::vector<std::uint8_t>& bytes, std::size_t offset);

// The screen's layout in miniature: 48 teal title rows on top, a red bottom row, grey between.
QImage MakeTitledImage(int width, int height);
// Every pixel a different mix of channels, so swapped channels or rows show up.
QImage MakePatternImage(int width, int height);

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);
// Names of everything in a folder, sorted; used to see that no temporary file stays behind.
std::vector<std::string> FolderEntries(const std::filesystem::path& folder);

using fixtures::ScratchFolder;

}  // namespace mirelta::test
