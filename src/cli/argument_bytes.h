// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace mirelta::cli {

// Arguments are bytes, and a file name among them need not be UTF-8. The parser works on
// QStrings, so each argument is decoded as UTF-8 and every byte that is not part of valid UTF-8
// is kept as the lone surrogate U+DC00 + byte, which no decoded text holds. ArgumentBytes gives
// back the exact bytes, for the arguments that name files.
QString ArgumentText(std::string_view bytes);
std::string ArgumentBytes(const QString& text);

}  // namespace mirelta::cli
