// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace mirelta::cli {

// One CSV cell: as it is, or in double quotes with its quotes doubled when it holds a comma,
// quote or line break.
std::string CsvField(std::string_view text);

}  // namespace mirelta::cli
