// SPDX-License-Identifier: GPL-3.0-or-later
#include "assess/verdict_line.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace mirelta {
namespace {

std::string TenthsText(std::int64_t tenths) {
    char text[32];
    std::snprintf(text, sizeof text, "%s%lld.%lld", tenths < 0 ? "-" : "",
                  static_cast<long long>(std::llabs(tenths) / 10),
                  static_cast<long long>(std::llabs(tenths) % 10));
    return text;
}

std::int64_t FloorDiv(std::int64_t value, std::int64_t by) {
    const std::int64_t q = value / by;
    return value % by != 0 && value < 0 ? q - 1 : q;
}

}  // namespace

std::string MarginDbText(std::int64_t hundredths) {
    return TenthsText(FloorDiv(hundredths, 10));
}

std::string RequiredDbText(std::int32_t hundredths) {
    const std::int64_t away = hundredths < 0 ? -5 : 5;
    return TenthsText((std::int64_t{hundredths} + away) / 10);
}

std::string VerdictLine(const Assessment& assessment) {
    const std::string verdict = VerdictText(assessment.verdict);
    if (!assessment.locked) {
        return verdict + ": no lock";
    }
    if (!assessment.reference || !assessment.cnMargin) {
        return verdict + ": no published threshold for this mode";
    }
    std::string line = verdict + ": margin " + MarginDbText(*assessment.cnMargin) +
                       " dB over the " + RequiredDbText(assessment.reference->requiredCn) +
                       " dB that " + assessment.reference->mode + " needs";
    if (assessment.merMargin) {
        line += ", MER margin " + MarginDbText(*assessment.merMargin) + " dB";
    }
    return line;
}

}  // namespace mirelta
