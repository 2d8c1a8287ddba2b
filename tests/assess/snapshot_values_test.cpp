// SPDX-License-Identifier: GPL-3.0-or-later
// The snapshot model's texts where a kind's screen and rating disagree with the plain reading.
#include "assess/snapshot_values.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "fixtures/image_builder.h"

namespace mirelta {
namespace {

using fixtures::ConstellationFields;
using fixtures::FindFields;
using fixtures::ImageBuilder;
using fixtures::SpectrumFields;

struct Texts {
    std::string power, cn, mer, ber, mode, requiredCn, cnMargin, merMargin, margin, deciding,
        verdict;
};

void ExpectTexts(const SnapshotValues& v, const Texts& t) {
    EXPECT_EQ(v.power, t.power);
    EXPECT_EQ(v.cn, t.cn);
    EXPECT_EQ(v.mer, t.mer);
    EXPECT_EQ(v.ber, t.ber);
    EXPECT_EQ(v.mode, t.mode);
    EXPECT_EQ(v.requiredCn, t.requiredCn);
    EXPECT_EQ(v.cnMargin, t.cnMargin);
    EXPECT_EQ(v.merMargin, t.merMargin);
    EXPECT_EQ(v.margin, t.margin);
    EXPECT_EQ(v.deciding, t.deciding);
    EXPECT_EQ(v.verdict, t.verdict);
}

SnapshotValues Find(const FindFields& fields) {
    return ValuesOf(fixtures::FindRecordOf(fields), 0, Thresholds{});
}

SnapshotValues Constellation(const ConstellationFields& fields) {
    return ValuesOf(fixtures::ConstellationRecordOf(fields), 0, Thresholds{});
}

// DVB-S2 MODCOD 7 is QPSK 3/4, which needs 4.03 dB, 4.8 dB with the allowance; DVB-S 4/5
// (code 4) is not a DVB-S rate; the meter shows DVB-S code 5 as None.
TEST(SnapshotValues, TextsOfFindAndConstellationRecords) {
    const struct {
        const char* name;
        SnapshotValues values;
        Texts texts;
    } cases[] = {
        {"unlocked reads None and is no lock",
         Find({.quality = 90,
               .strength = 90,
               .powerLevel = 655,
               .cn = 900,
               .berExponent = 3,
               .system = 3,
               .modcod = 7,
               .lockFlag = 0}),
         {"65.5", "None", "-", "None", "DVB-S2 None", "-", "-", "-", "-", "-", "NO LOCK"}},
        {"power below the quality threshold",
         Find({.quality = 4,
               .strength = 90,
               .powerLevel = 655,
               .cn = 1202,
               .berMantissa = 123,
               .berExponent = 4,
               .system = 3,
               .modcod = 7,
               .lockFlag = 1}),
         {"0.0", "12.0 dB", "-", "1.23 E-4", "DVB-S2 QPSK 3/4", "4.8", "7.2", "-", "7.2", "C/N",
          "PASS"}},
        {"unrated mode keeps the shown FEC",
         Find({.quality = 50,
               .strength = 5,
               .powerLevel = 7,
               .cn = 99,
               .berExponent = 9,
               .system = 1,
               .codeRate = 4,
               .lockFlag = 1}),
         {"0.7", "0.9 dB", "-", "9.99 E-8", "DVB-S 4/5", "-", "-", "-", "-", "-", "not rated"}},
        {"code 5 is rated as 5/6",
         Find({.cn = 1000, .system = 1, .codeRate = 5, .lockFlag = 1}),
         {"0.0", "10.0 dB", "-", "9.99 E-8", "DVB-S QPSK 5/6, shown by the meter as None", "7.9",
          "2.1", "-", "2.1", "C/N", "MARGINAL"}},
        {"margin follows the smaller MER margin",
         Constellation({.system = 3, .modcod = 7, .cn = 1000, .mer = 659}),
         {"-", "10.0 dB", "6.5 dB", "9.99 E-8", "DVB-S2 QPSK 3/4", "4.8", "5.2", "1.7", "1.7",
          "MER", "MARGINAL"}},
        {"margin follows the smaller C/N margin",
         Constellation({.system = 3, .modcod = 7, .cn = 500, .mer = 1234}),
         {"-", "5.0 dB", "12.3 dB", "9.99 E-8", "DVB-S2 QPSK 3/4", "4.8", "0.2", "7.5", "0.2",
          "C/N", "MARGINAL"}},
        {"unrated mode falls back to modulation and FEC",
         Constellation({.system = 1, .codeRate = 4, .cn = 800, .mer = 800}),
         {"-", "8.0 dB", "8.0 dB", "9.99 E-8", "DVB-S/QPSK 4/5", "-", "-", "-", "-", "-",
          "not rated"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectTexts(c.values, c.texts);
    }
}

// "12.3 dB", " 6.5 dB" or "-1.6" in tenths.
int Tenths(const std::string& text) {
    return static_cast<int>(std::lround(std::stod(text) * 10));
}

// What a reader subtracts from the shown figures is the shown margin, and the verdict follows
// the shown margin: across modes whose required C/N rounds up, down or below zero.
TEST(SnapshotValues, ShownFiguresAddUpAndTheVerdictFollowsThem) {
    const ConstellationFields modes[] = {{.system = 1, .codeRate = 3},  // 6.91 dB
                                         {.system = 1, .codeRate = 5},  // 7.86 dB
                                         {.system = 3, .modcod = 1},    // -2.35 + 0.8 dB
                                         {.system = 3, .modcod = 17}};  // 10.98 + 0.8 dB
    for (ConstellationFields fields : modes) {
        for (std::uint32_t cn = 0; cn <= 2000; cn += 7) {
            fields.cn = cn;
            fields.mer = 2000 - cn;
            const SnapshotValues v = Constellation(fields);
            SCOPED_TRACE(v.mode + " C/N " + v.cn + " MER " + v.mer);
            const int required = Tenths(v.requiredCn);
            const int cnMargin = Tenths(v.cn) - required;
            const int merMargin = Tenths(v.mer) - required;
            EXPECT_EQ(Tenths(v.cnMargin), cnMargin);
            EXPECT_EQ(Tenths(v.merMargin), merMargin);
            const int margin = std::min(cnMargin, merMargin);
            EXPECT_EQ(Tenths(v.margin), margin);
            EXPECT_EQ(v.deciding, merMargin < cnMargin ? "MER" : "C/N");
            EXPECT_EQ(v.verdict, margin >= 30 ? "PASS" : margin >= 0 ? "MARGINAL" : "FAIL");
        }
    }
}

TEST(SnapshotModel, ListsFindThenConstellationThenSpectrumWithTheirTexts) {
    SourceImage image = ImageBuilder()
                            .addSpectrum(0, {.leftFrequency = 950, .rightFrequency = 2150})
                            .addSpectrum(5, {.leftFrequency = 10700, .spanCode = 1})
                            .addSpectrum(6, {.spanCode = 3})
                            .addConstellation(2, {.label = "C", .polarisation = 1})
                            .addFind(7, {.label = "F", .frequency = 11747, .symbolRate = 27500})
                            .image();
    const std::vector<SnapshotValues> model = SnapshotModel(Load(image), Thresholds{});
    ASSERT_EQ(model.size(), 5U);
    EXPECT_EQ(model[0].kind, ScreenKind::Find);
    EXPECT_EQ(model[0].label, "F");
    EXPECT_EQ(model[0].frequency + ' ' + model[0].polarisation + ' ' + model[0].symbolRate,
              "11747 Hor 27500");
    EXPECT_EQ(model[1].kind, ScreenKind::Constellation);
    EXPECT_EQ(model[1].polarisation, "Ver");
    const std::pair<const char*, const char*> spectra[] = {
        {"950 - 2150", "FULL"}, {"10700 - 0", "200 MHz"}, {"0 - 0", ""}};
    for (int k = 0; k < 3; ++k) {
        const SnapshotValues& v = model[static_cast<std::size_t>(2 + k)];
        EXPECT_EQ(v.kind, ScreenKind::Spectrum);
        EXPECT_EQ(v.index, k);
        EXPECT_EQ(v.frequency, spectra[k].first);
        EXPECT_EQ(v.span, spectra[k].second);
        EXPECT_EQ(v.cn + v.cnMargin + v.margin + v.verdictLine, "----");
    }
}

}  // namespace
}  // namespace mirelta
