// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "assess/assessment.h"

namespace mirelta {

// The margins the window judges by, from its settings ("verdict/passMargin",
// "verdict/failMargin"); missing or contradictory values give the defaults.
Thresholds LoadThresholds();

}  // namespace mirelta
