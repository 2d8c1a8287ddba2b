// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "assess/assessment.h"

namespace mirelta {

// Tenths of a dB as "6.8", "-0.1".
std::string DbText(std::int64_t tenths);

// One line that says the verdict in words first (UTF-8):
// "PASS: QPSK 3/4 needs 4.8 dB; C/N margin 5.2 dB",
// "MARGINAL on MER: QPSK 1/2 needs 4.2 dB; MER margin 0.8 dB, C/N margin 1.8 dB",
// "NO LOCK: saved while not locked; power 45.2 dBuV",
// "not rated: no published threshold for this mode".
std::string VerdictLine(const Assessment& assessment, Wording wording = Wording::English);

}  // namespace mirelta
