// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

namespace mirelta {

// "find-00-Astra_19.2E.png": kind, two-digit list entry and the label (UTF-8) with everything
// but letters, digits, '-', '.' and '_' turned into '_'.
std::string ExportFileName(const std::string& kind, int entry, const std::string& label,
                           const std::string& extension);

// The folder of one source's pictures inside DIR: the file's name without its extension ("stdin"
// for "-"), kept byte for byte but always one plain path component: no separator or NUL, no
// leading dot (so never "." or ".."), and short enough for any file system.
std::string ExportFolderName(const std::filesystem::path& source);

}  // namespace mirelta
