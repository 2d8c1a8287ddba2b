// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "assess/required_cn.h"
#include "data/constellation_record.h"
#include "data/find_record.h"

namespace mirelta {

// Margins in dB at or above `passMargin` pass; below `failMargin` fail; between is marginal.
struct Thresholds {
    double passMargin = 3.0;
    double failMargin = 0.0;
    // Added to every DVB-S2 figure, which is ideal, so that both systems are judged alike: the
    // DVB-S figures already hold a 0.8 dB implementation margin.
    double s2Allowance = 0.8;
};

// In the order totals count them.
enum class Verdict { Pass, Marginal, Fail, NoLock, NotRated };
inline constexpr int kVerdictCount = 5;

enum class Wording { English, French };

// "PASS", "MARGINAL", "FAIL", "NO LOCK" or "not rated".
const char* VerdictText(Verdict verdict);
// The same in the given words; the French ones are UTF-8.
const char* VerdictText(Verdict verdict, Wording wording);

// Why a snapshot is not rated.
enum class Unrated { NoPublishedThreshold, NotADvbSRate };

// The margin a verdict follows.
enum class Deciding { Cn, Mer };

// Every figure is in tenths of a dB as the window and the report show it: the C/N and MER cut
// down to the tenth as the meter's screens show them, the required C/N rounded to the tenth.
// The margins are the differences of those shown figures and the verdict follows them, so what
// a reader subtracts is what was judged.
struct Assessment {
    Verdict verdict = Verdict::NotRated;
    Unrated unrated = Unrated::NoPublishedThreshold;
    std::string power;                       // an unlocked Find's power as its screen shows it
    std::optional<ModeReference> reference;  // none: no published figure for the mode
    std::optional<std::int64_t> requiredCn;  // the published figure plus any allowance
    std::optional<std::int64_t> cnMargin;
    std::optional<std::int64_t> merMargin;  // Constellation only
    Deciding deciding = Deciding::Cn;
};

// An unlocked Find snapshot measured nothing: it is NO LOCK whatever its fields hold.
Assessment Assess(const FindRecord& record, const Thresholds& thresholds);
// The verdict follows the smaller of the C/N and MER margins, the C/N one on a tie.
Assessment Assess(const ConstellationRecord& record, const Thresholds& thresholds);

}  // namespace mirelta
