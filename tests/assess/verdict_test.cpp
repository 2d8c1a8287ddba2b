// SPDX-License-Identifier: GPL-3.0-or-later
// Margins, verdicts at their edges and the one-line verdict text.
#include <gtest/gtest.h>

#include <limits>

#include "assess/assessment.h"
#include "assess/verdict_line.h"
#include "data/record_lists.h"
#include "fixtures/image_builder.h"

namespace mirelta {
namespace {

using fixtures::ConstellationFields;
using fixtures::FindFields;

FindRecord Find(FindFields fields) {
    SourceImage image = fixtures::ImageBuilder().addFind(0, fields).image();
    return Load(image).find[0];
}

ConstellationRecord Constellation(ConstellationFields fields) {
    SourceImage image = fixtures::ImageBuilder().addConstellation(0, fields).image();
    return Load(image).constellation[0];
}

// DVB-S2 QPSK 3/4 needs 4.03 dB.
FindRecord LockedQpsk34(std::uint32_t cn) {
    return Find({.cn = cn, .system = 3, .modcod = 7, .lockFlag = 1});
}

TEST(Verdict, EdgesOfTheDefaultThresholds) {
    struct Case {
        std::uint32_t cn;
        std::int64_t margin;
        Verdict verdict;
    };
    for (const Case c : {Case{703, 300, Verdict::Pass}, Case{702, 299, Verdict::Marginal},
                         Case{403, 0, Verdict::Marginal}, Case{402, -1, Verdict::Fail},
                         Case{0, -403, Verdict::Fail}}) {
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
    EXPECT_EQ(Assess(LockedQpsk34(903), strict).verdict, Verdict::Pass);
    EXPECT_EQ(Assess(LockedQpsk34(902), strict).verdict, Verdict::Marginal);
    EXPECT_EQ(Assess(LockedQpsk34(503), strict).verdict, Verdict::Marginal);
    EXPECT_EQ(Assess(LockedQpsk34(502), strict).verdict, Verdict::Fail);
}

TEST(Verdict, CnAtItsLimitDoesNotWrap) {
    const Assessment a = Assess(LockedQpsk34(std::numeric_limits<std::uint32_t>::max()), {});
    EXPECT_EQ(*a.cnMargin, 4294967295LL - 403);
    EXPECT_EQ(a.verdict, Verdict::Pass);
}

TEST(Verdict, UnlockedFindFailsWithoutAMargin) {
    const Assessment a = Assess(Find({.cn = 2000, .system = 3, .modcod = 7, .lockFlag = 0}), {});
    EXPECT_EQ(a.verdict, Verdict::Fail);
    EXPECT_FALSE(a.locked);
    EXPECT_FALSE(a.cnMargin.has_value());
    EXPECT_EQ(VerdictLine(a), "FAIL: no lock");
}

TEST(Verdict, UnknownModeIsNotRated) {
    for (const FindRecord& r : {Find({.cn = 2000, .system = 3, .modcod = 18, .lockFlag = 1}),
                                Find({.cn = 2000, .system = 1, .codeRate = 4, .lockFlag = 1})}) {
        const Assessment a = Assess(r, {});
        EXPECT_EQ(a.verdict, Verdict::NotRated);
        EXPECT_FALSE(a.cnMargin.has_value());
        EXPECT_EQ(VerdictLine(a), "not rated: no published threshold for this mode");
    }
}

TEST(Verdict, ConstellationFollowsTheSmallerMargin) {
    // DVB-S 3/4 needs 6.91 dB: C/N margin 3.09, MER margin 2.09.
    const Assessment a =
        Assess(Constellation({.system = 1, .codeRate = 3, .cn = 1000, .mer = 900}), {});
    EXPECT_EQ(*a.cnMargin, 309);
    EXPECT_EQ(*a.merMargin, 209);
    EXPECT_EQ(a.verdict, Verdict::Marginal);
    EXPECT_EQ(VerdictLine(a),
              "MARGINAL: margin 3.0 dB over the 6.9 dB that QPSK 3/4 needs, "
              "MER margin 2.0 dB");
    EXPECT_EQ(Assess(Constellation({.system = 3, .modcod = 12, .cn = 0, .mer = 2000}), {}).verdict,
              Verdict::Fail);
}

TEST(VerdictLine, MarginsAreCutDownToTheTenth) {
    EXPECT_EQ(VerdictLine(Assess(LockedQpsk34(703), {})),
              "PASS: margin 3.0 dB over the 4.0 dB that QPSK 3/4 needs");
    EXPECT_EQ(VerdictLine(Assess(LockedQpsk34(702), {})),
              "MARGINAL: margin 2.9 dB over the 4.0 dB that QPSK 3/4 needs");
    EXPECT_EQ(VerdictLine(Assess(LockedQpsk34(402), {})),
              "FAIL: margin -0.1 dB over the 4.0 dB that QPSK 3/4 needs");
    EXPECT_EQ(RequiredDbText(-235), "-2.4");
    EXPECT_EQ(RequiredDbText(415), "4.2");
    EXPECT_EQ(MarginDbText(-400), "-4.0");
}

}  // namespace
}  // namespace mirelta
