// SPDX-License-Identifier: GPL-3.0-or-later
#include "assess/assessment.h"

#include <algorithm>
#include <cmath>

namespace mirelta {
namespace {

std::int64_t Hundredths(double db) {
    return std::llround(db * 100.0);
}

Verdict Judge(std::int64_t margin, const Thresholds& thresholds) {
    if (margin >= Hundredths(thresholds.passMargin)) {
        return Verdict::Pass;
    }
    return margin >= Hundredths(thresholds.failMargin) ? Verdict::Marginal : Verdict::Fail;
}

}  // namespace

const char* VerdictText(Verdict verdict) {
    switch (verdict) {
        case Verdict::Pass:
            return "PASS";
        case Verdict::Marginal:
            return "MARGINAL";
        case Verdict::Fail:
            return "FAIL";
        case Verdict::NotRated:
            break;
    }
    return "not rated";
}

Assessment Assess(const FindRecord& record, const Thresholds& thresholds) {
    Assessment result;
    if (record.lockFlag() == 0) {
        result.locked = false;
        result.verdict = Verdict::Fail;
        return result;
    }
    result.reference = RequiredCn(record.system(), record.modcod(), record.codeRate());
    if (result.reference) {
        result.cnMargin = std::int64_t{record.cn()} - result.reference->requiredCn;
        result.verdict = Judge(*result.cnMargin, thresholds);
    }
    return result;
}

Assessment Assess(const ConstellationRecord& record, const Thresholds& thresholds) {
    Assessment result;
    result.reference = RequiredCn(record.system(), record.modcod(), record.codeRate());
    if (result.reference) {
        result.cnMargin = std::int64_t{record.cn()} - result.reference->requiredCn;
        result.merMargin = std::int64_t{record.mer()} - result.reference->requiredCn;
        result.verdict = Judge(std::min(*result.cnMargin, *result.merMargin), thresholds);
    }
    return result;
}

}  // namespace mirelta
