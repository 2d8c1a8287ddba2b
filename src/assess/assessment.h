// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

#include "assess/required_cn.h"
#include "data/constellation_record.h"
#include "data/find_record.h"

namespace mirelta {

// Margins in dB at or above `passMargin` pass; below `failMargin` fail; between is marginal.
struct Thresholds {
    double passMargin = 3.0;
    double failMargin = 0.0;
    double s2Allowance = 0.8;  // dB added to the ideal DVB-S2 figures
};

enum class Verdict { Pass, Marginal, Fail, NotRated };

// "PASS", "MARGINAL", "FAIL" or "not rated".
const char* VerdictText(Verdict verdict);

struct Assessment {
    Verdict verdict = Verdict::NotRated;
    bool locked = true;                      // false only for an unlocked Find snapshot
    std::optional<ModeReference> reference;  // none: no published figure for the mode
    std::optional<std::int64_t> cnMargin;    // hundredths of a dB
    std::optional<std::int64_t> merMargin;   // hundredths of a dB, Constellation only
};

// An unlocked Find snapshot fails whatever its fields hold: nothing it saved was measured.
Assessment Assess(const FindRecord& record, const Thresholds& thresholds);
// The verdict follows the smaller of the C/N and MER margins.
Assessment Assess(const ConstellationRecord& record, const Thresholds& thresholds);

}  // namespace mirelta
