// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace mirelta {

// What went wrong, for every failure that reaches the user: the window turns it into a message
// box with the detail as its detail text, the command-line tool into a line and an exit code.
enum class ErrorKind { None, Usage, CannotOpen, ShortRead, WriteFailed };

struct Error {
    ErrorKind kind = ErrorKind::None;
    std::string detail;  // the reason in words for the user, e.g. "No such file or directory"

    bool ok() const { return kind == ErrorKind::None; }
};

}  // namespace mirelta
