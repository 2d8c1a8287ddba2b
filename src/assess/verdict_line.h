// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "assess/assessment.h"

namespace mirelta {

// Hundredths of a dB as "6.8", cut down to the tenth below so a margin never reads as the
// threshold it has not reached.
std::string MarginDbText(std::int64_t hundredths);

// Hundredths of a dB rounded to the nearest tenth, "4.0".
std::string RequiredDbText(std::int32_t hundredths);

// One line that says the verdict in words first:
// "PASS: margin 6.8 dB over the 6.9 dB that QPSK 3/4 needs", "FAIL: no lock",
// "not rated: no published threshold for this mode".
std::string VerdictLine(const Assessment& assessment);

}  // namespace mirelta
