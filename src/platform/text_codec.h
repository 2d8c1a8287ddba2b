// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>

namespace mirelta {

// The meter's texts are code page 936 bytes; this is the one place they become Unicode.
QString DecodeLocalText(const std::string& bytes);
std::string DecodeLocalTextToUtf8(const std::string& bytes);

}  // namespace mirelta
