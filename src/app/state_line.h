// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "screens/document.h"

namespace mirelta {

// One line of the main window's state for a person or a script watching a running window:
// tab-separated key=value fields, free texts last, in the terms that `mirelta-cli describe`
// uses (screen_mode, language, each record list's entry, reference window, cursor, title,
// tool-tip) plus the count of background brushes the window holds.
std::string StateLine(const Document& document);

}  // namespace mirelta
