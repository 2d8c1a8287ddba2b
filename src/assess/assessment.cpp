// SPDX-License-Identifier: GPL-3.0-or-later
#include "assess/assessment.h"

#include <cmath>

#include "format/reading_texts.h"
#include "format/value_format.h"

namespace mirelta {
namespace {

struct VerdictWords {
    Verdict verdict;
    const char* english;
    const char* french;
};

constexpr VerdictWords kWords[] = {
    {Verdict::Pass, "PASS", "CONFORME"},
    {Verdict::Marginal, "MARGINAL", "LIMITE"},
    {Verdict::Fail, "FAIL", "NON CONFORME"},
    {Verdict::NoLock, "NO LOCK", "NON VERROUILLÉ"},
    {Verdict::NotRated, "not rated", "non évalué"},
};

std::int64_t Hundredths(double db) {
    return std::llround(db * 100.0);
}

// Half a tenth rounds away from zero.
std::int64_t RoundedTenths(std::int64_t hundredths) {
    return (hundredths + (hundredths < 0 ? -5 : 5)) / 10;
}

// A margin in tenths against thresholds in dB.
Verdict Judge(std::int64_t margin, const Thresholds& thresholds) {
    if (margin * 10 >= Hundredths(thresholds.passMargin)) {
        return Verdict::Pass;
    }
    return margin * 10 >= Hundredths(thresholds.failMargin) ? Verdict::Marginal : Verdict::Fail;
}

// The reference and the shown required C/N of a mode; the reason when there is none.
Assessment Rated(std::uint8_t system, std::uint8_t modcod, std::uint8_t codeRate,
                 const Thresholds& thresholds) {
    Assessment result;
    result.reference = RequiredCn(system, modcod, codeRate);
    if (!result.reference) {
        if (system == kSystemDvbS && IsOutsideDvbS(codeRate)) {
            result.unrated = Unrated::NotADvbSRate;
        }
        return result;
    }
    const std::int64_t allowance = system == kSystemDvbS2 ? Hundredths(thresholds.s2Allowance) : 0;
    result.requiredCn = RoundedTenths(result.reference->requiredCn + allowance);
    return result;
}

}  // namespace

const char* VerdictText(Verdict verdict) {
    return VerdictText(verdict, Wording::English);
}

const char* VerdictText(Verdict verdict, Wording wording) {
    for (const VerdictWords& words : kWords) {
        if (words.verdict == verdict) {
            return wording == Wording::French ? words.french : words.english;
        }
    }
    return "";
}

Assessment Assess(const FindRecord& record, const Thresholds& thresholds) {
    if (record.lockFlag() == 0) {
        Assessment result;
        result.verdict = Verdict::NoLock;
        result.power = PowerText(record);
        return result;
    }
    Assessment result = Rated(record.system(), record.modcod(), record.codeRate(), thresholds);
    if (result.requiredCn) {
        result.cnMargin = std::int64_t{ShownTenths(record.cn())} - *result.requiredCn;
        result.verdict = Judge(*result.cnMargin, thresholds);
    }
    return result;
}

Assessment Assess(const ConstellationRecord& record, const Thresholds& thresholds) {
    Assessment result = Rated(record.system(), record.modcod(), record.codeRate(), thresholds);
    if (result.requiredCn) {
        result.cnMargin = std::int64_t{ShownTenths(record.cn())} - *result.requiredCn;
        result.merMargin = std::int64_t{ShownTenths(record.mer())} - *result.requiredCn;
        result.deciding = *result.merMargin < *result.cnMargin ? Deciding::Mer : Deciding::Cn;
        result.verdict = Judge(
            result.deciding == Deciding::Mer ? *result.merMargin : *result.cnMargin, thresholds);
    }
    return result;
}

}  // namespace mirelta
