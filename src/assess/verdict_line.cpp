// SPDX-License-Identifier: GPL-3.0-or-later
#include "assess/verdict_line.h"

#include <cstdio>
#include <cstdlib>

namespace mirelta {
namespace {

struct Phrases {
    const char* colon;
    const char* semicolon;
    const char* noLock;
    const char* power;
    const char* noThreshold;
    const char* notADvbSRate;
    const char* onCn;
    const char* onMer;
    const char* shownAs;  // the meter's text between these two
    const char* shownAsEnd;
    const char* needs;
    const char* cnMargin;
    const char* merMargin;
};

constexpr Phrases kEnglish{": ",
                           "; ",
                           "saved while not locked",
                           "power ",
                           "no published threshold for this mode",
                           "not a DVB-S code rate",
                           " on C/N",
                           " on MER",
                           " (shown by the meter as ",
                           ")",
                           " needs ",
                           "C/N margin ",
                           "MER margin "};

constexpr Phrases kFrench{" : ",
                          " ; ",
                          "enregistré sans verrouillage",
                          "niveau ",
                          "aucun seuil publié pour ce mode",
                          "pas un rendement de code DVB-S",
                          " selon le C/N",
                          " selon la MER",
                          " (affiché ",
                          " par le mesureur)",
                          " requiert ",
                          "marge C/N ",
                          "marge MER "};

}  // namespace

std::string DbText(std::int64_t tenths) {
    char text[32];
    std::snprintf(text, sizeof text, "%s%lld.%lld", tenths < 0 ? "-" : "",
                  static_cast<long long>(std::llabs(tenths) / 10),
                  static_cast<long long>(std::llabs(tenths) % 10));
    return text;
}

std::string VerdictLine(const Assessment& a, Wording wording) {
    const Phrases& p = wording == Wording::French ? kFrench : kEnglish;
    std::string line = VerdictText(a.verdict, wording);
    if (a.verdict == Verdict::NoLock) {
        return line + p.colon + p.noLock + p.semicolon + p.power + a.power + " dBuV";
    }
    if (!a.reference || !a.requiredCn || !a.cnMargin) {
        return line + p.colon +
               (a.unrated == Unrated::NotADvbSRate ? p.notADvbSRate : p.noThreshold);
    }
    if (a.merMargin) {
        line += a.deciding == Deciding::Mer ? p.onMer : p.onCn;
    }
    line += p.colon + std::string(a.reference->mode);
    if (a.reference->shownAs) {
        line += p.shownAs + std::string(a.reference->shownAs) + p.shownAsEnd;
    }
    line += p.needs + DbText(*a.requiredCn) + " dB" + p.semicolon;
    const std::string cn = p.cnMargin + DbText(*a.cnMargin) + " dB";
    if (!a.merMargin) {
        return line + cn;
    }
    const std::string mer = p.merMargin + DbText(*a.merMargin) + " dB";
    return line + (a.deciding == Deciding::Mer ? mer + ", " + cn : cn + ", " + mer);
}

}  // namespace mirelta
