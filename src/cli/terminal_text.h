// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace mirelta::cli {

// A text from the file as the plain-text output shows it: control characters (C0, DEL, and C1 in
// their UTF-8 form) are written as \x1b or \u009b, so a label can neither drive the terminal
// nor break a row. JSON and CSV carry the exact text under their own quoting instead.
std::string TerminalText(std::string_view utf8);

}  // namespace mirelta::cli
