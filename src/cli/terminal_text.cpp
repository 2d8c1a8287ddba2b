// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/terminal_text.h"

#include <cstdio>

namespace mirelta::cli {

std::string TerminalText(std::string_view utf8) {
    std::string shown;
    shown.reserve(utf8.size());
    for (std::size_t k = 0; k < utf8.size(); ++k) {
        const auto byte = static_cast<unsigned char>(utf8[k]);
        const auto next = k + 1 < utf8.size() ? static_cast<unsigned char>(utf8[k + 1]) : 0;
        char escape[8];
        if (byte < 0x20 || byte == 0x7F) {
            std::snprintf(escape, sizeof escape, "\\x%02x", byte);
            shown += escape;
        } else if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) {
            std::snprintf(escape, sizeof escape, "\\u%04x", next);
            shown += escape;
            ++k;
        } else {
            shown += utf8[k];
        }
    }
    return shown;
}

}  // namespace mirelta::cli
