// SPDX-License-Identifier: GPL-3.0-or-later
// Margins, verdicts at their edges and the one-line verdict text in both wordings.
#include <gtest/gtest.h>

#include <limits>

#include "assess/assessment.h"
#include "assess/verdict_line.h"
#include "fixtures/image_builder.h"

namespace mirelta {
namespace {

using fixtures::ConstellationFields;
using fixtures::FindFields;

FindRecord Find(const FindFields& fields) {
    return fixtures::FindRecordOf(fields);
}

ConstellationRecord Constellation(const ConstellationFields& fields) {
    return fixtures::ConstellationRecordOf(fields);
}

// DVB-S2 QPSK 3/4 needs 4.03 dB, 4.8 dB with the default allowance.
FindRecord LockedQpsk34(std::uint32_t cn) {
    return Find({.cn = cn, .system = 3, .modcod = 7, .lockFlag = 1});
}

TEST(Verdict, EdgesOfTheDefaultThresholds) {
    struct Case {
        std::uint32_t cn;
        std::int64_t margin;  // tenths
        Verdict verdict;
    };
    for (const Case c : {Case{780, 30, Verdict::Pass}, Case{779, 29, Verdict::Marginal},
                         Case{480, 0, Verdict::Marginal}, Case{479, -1, Verdict::Fail},
                         Case{0, -48, Verdict::Fail}}) {
        SCOPED_TRACE(c.cn);
        const Assessment a = Assess(LockedQpsk34(c.cn), Thresholds{});
        ASSERT_TRUE(a.cnMargin.has_value());
        EXPECT_EQ(*a.cnMargin, c.margin);
        EXPECT_FALSE(a.merMargin.has_value());
        EXPECT_EQ(a.verdict, c.verdict);
    }
}

TEST(Verdict, ThresholdsCanBeMoved) {
    const Thresholds strict{.passMargin = 5.0, .failMargin = 1.0};
    EXPECT_EQ(Assess(LockedQpsk34(980), strict).verdict, Verdict::Pass);
    EXPECT_EQ(Assess(LockedQpsk34(979), strict).verdict, Verdict::Marginal);
    EXPECT_EQ(Assess(LockedQpsk34(580), strict).verdict, Verdict::Marginal);
    EXPECT_EQ(Assess(LockedQpsk34(579), strict).verdict, Verdict::Fail);
}

TEST(Verdict, CnAtItsLimitDoesNotWrap) {
    const Assessment a = Assess(LockedQpsk34(std::numeric_limits<std::uint32_t>::max()), {});
    EXPECT_EQ(*a.cnMargin, 429496729LL - 48);
    EXPECT_EQ(a.verdict, Verdict::Pass);
}

// The allowance is added to DVB-S2 figures only, before the rounding to the tenth.
TEST(Verdict, AllowanceRaisesOnlyTheDvbS2RequiredCn) {
    struct Case {
        std::uint8_t system, modcod, codeRate;
        double allowance;
        std::int64_t required;  // tenths
    };
    // QPSK 3/4 4.03 dB, QPSK 1/4 -2.35 dB; DVB-S 3/4 6.91 dB.
    for (const Case c : {Case{3, 7, 0, 0.8, 48}, Case{3, 7, 0, 0.0, 40}, Case{3, 7, 0, 1.25, 53},
                         Case{3, 1, 0, 0.8, -16}, Case{1, 0, 3, 0.8, 69}, Case{1, 0, 3, 5.0, 69}}) {
        SCOPED_TRACE(std::to_string(c.system) + "/" + std::to_string(c.modcod) + "/" +
                     std::to_string(c.codeRate) + " +" + std::to_string(c.allowance));
        const FindFields fields{
            .system = c.system, .modcod = c.modcod, .codeRate = c.codeRate, .lockFlag = 1};
        EXPECT_EQ(Assess(Find(fields), {.s2Allowance = c.allowance}).requiredCn, c.required);
    }
}

TEST(VerdictLine, SaysTheVerdictAndWhyInBothWordings) {
    const struct {
        const char* name;
        Assessment assessment;
        const char* english;
        const char* french;
    } cases[] = {
        {"Find", Assess(LockedQpsk34(1000), {}), "PASS: QPSK 3/4 needs 4.8 dB; C/N margin 5.2 dB",
         "CONFORME : QPSK 3/4 requiert 4.8 dB ; marge C/N 5.2 dB"},
        // DVB-S 3/4 needs 6.91 dB.
        {"MER decides",
         Assess(Constellation({.system = 1, .codeRate = 3, .cn = 1000, .mer = 900}), {}),
         "MARGINAL on MER: QPSK 3/4 needs 6.9 dB; MER margin 2.1 dB, C/N margin 3.1 dB",
         "LIMITE selon la MER : QPSK 3/4 requiert 6.9 dB ; marge MER 2.1 dB, marge C/N 3.1 dB"},
        {"a tie goes to C/N",
         Assess(Constellation({.system = 1, .codeRate = 3, .cn = 1000, .mer = 1009}), {}),
         "PASS on C/N: QPSK 3/4 needs 6.9 dB; C/N margin 3.1 dB, MER margin 3.1 dB",
         "CONFORME selon le C/N : QPSK 3/4 requiert 6.9 dB ; marge C/N 3.1 dB, marge MER 3.1 dB"},
        // Code 5 is 5/6: 6.0 dB Eb/N0 is 7.86 dB C/N.
        {"code 5", Assess(Find({.cn = 700, .system = 1, .codeRate = 5, .lockFlag = 1}), {}),
         "FAIL: QPSK 5/6 (shown by the meter as None) needs 7.9 dB; C/N margin -0.9 dB",
         "NON CONFORME : QPSK 5/6 (affiché None par le mesureur) requiert 7.9 dB ; marge C/N "
         "-0.9 dB"},
        {"unlocked",
         Assess(Find({.quality = 50,
                      .strength = 50,
                      .powerLevel = 452,
                      .cn = 2000,
                      .system = 1,
                      .codeRate = 3}),
                {}),
         "NO LOCK: saved while not locked; power 45.2 dBuV",
         "NON VERROUILLÉ : enregistré sans verrouillage ; niveau 45.2 dBuV"},
        {"unknown MODCOD", Assess(Find({.cn = 2000, .system = 3, .modcod = 18, .lockFlag = 1}), {}),
         "not rated: no published threshold for this mode",
         "non évalué : aucun seuil publié pour ce mode"},
        {"4/5", Assess(Find({.cn = 2000, .system = 1, .codeRate = 4, .lockFlag = 1}), {}),
         "not rated: not a DVB-S code rate", "non évalué : pas un rendement de code DVB-S"},
        {"6/7", Assess(Constellation({.system = 1, .codeRate = 6, .cn = 2000, .mer = 2000}), {}),
         "not rated: not a DVB-S code rate", "non évalué : pas un rendement de code DVB-S"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(VerdictLine(c.assessment), c.english);
        EXPECT_EQ(VerdictLine(c.assessment, Wording::French), c.french);
    }
}

}  // namespace
}  // namespace mirelta
