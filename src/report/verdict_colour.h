// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

#include "assess/assessment.h"

namespace mirelta {

// The background a verdict is shown on, alike in the window's verdict band and in the report.
QColor VerdictColour(Verdict verdict);

}  // namespace mirelta
