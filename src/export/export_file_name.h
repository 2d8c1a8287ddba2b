// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace mirelta {

// "find-00-Astra_19.2E.png": kind, two-digit list entry and the label (UTF-8) with everything
// but letters, digits, '-', '.' and '_' turned into '_'.
std::string ExportFileName(const std::string& kind, int entry, const std::string& label,
                           const std::string& extension);

}  // namespace mirelta
