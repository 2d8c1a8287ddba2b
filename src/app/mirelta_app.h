// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace mirelta {

// The application: runs the main window modally; the program ends when it closes.
class CMireltaApp {
  public:
    // `file` is opened at start when given (a path from the command line).
    int InitInstance(const QString& file);
};

}  // namespace mirelta
