// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace mirelta {

// The three lines printed on every screenshot save: colour depth, width and height, each ending
// in a newline, encoded for the user's locale (LC_CTYPE's codeset).
std::string DiagnosticLines(int bitsPerPixel, int width, int height);

// The same lines in the named codeset ("UTF-8", "GBK", ...). A codeset that Qt does not know or
// that cannot carry the Chinese text (such as the C locale's ASCII) gets UTF-8.
std::string DiagnosticLinesInCodeset(int bitsPerPixel, int width, int height, const char* codeset);

}  // namespace mirelta
