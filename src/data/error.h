// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace mirelta {

// Why a source file could not be read: the window turns it into a message box with the detail as
// its detail text, the command-line tool into a line and an exit code. Writing has its own
// result (export's SaveResult), and usage errors are the command line's. Declined: the file was
// read but is not a meter's, and the user chose to keep the open one.
enum class ErrorKind { None, CannotOpen, ShortRead, Declined };

struct Error {
    ErrorKind kind = ErrorKind::None;
    std::string detail;  // the reason in words for the user, e.g. "No such file or directory"

    bool ok() const { return kind == ErrorKind::None; }
};

}  // namespace mirelta
