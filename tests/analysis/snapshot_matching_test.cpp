// SPDX-License-Identifier: GPL-3.0-or-later
// RF through the LNB's oscillator, and carriers linked to the file's own snapshots.
#include <gtest/gtest.h>

#include "analysis/lnb_conversion.h"
#include "analysis/spectrum_analysis.h"
#include "fixtures/image_builder.h"

namespace mirelta {
namespace {

using analysis::IfOf;
using analysis::RfOf;

TEST(LnbConversion, KuAddsCSubtractsOtherOscillatorsGiveNone) {
    const struct {
        double lo;
        std::optional<double> rf;
    } cases[] = {
        {9750, 10750},       {10600, 11600},    {12000, 13000},
        {5150, 4150},        {3000, 2000},      {7000, std::nullopt},
        {100, std::nullopt}, {0, std::nullopt}, {20000, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RfOf(1000, c.lo), c.rf) << c.lo;
        if (c.rf) {
            EXPECT_EQ(IfOf(*c.rf, c.lo), 1000) << c.lo;
        }
    }
}

// One 60 dBuV carrier on points 124..127 (1158 to 1134 MHz IF) of a full-band sweep; universal
// LNBs put 11747 MHz at 11747 - 10600 = 1147 MHz and 10900 MHz at 10900 - 9750 = 1150 MHz.
RecordLists SampleLists() {
    fixtures::SpectrumFields sweep{.label = "Sweep", .leftFrequency = 2150, .rightFrequency = 950};
    sweep.levels.fill(45);
    for (std::size_t k = 124; k <= 127; ++k) {
        sweep.levels[k] = 60;
    }
    SourceImage image = fixtures::ImageBuilder()
                            .addFind(0, {.label = "High band", .lnbType = 0, .frequency = 11747})
                            .addFind(1, {.label = "Low band", .lnbType = 0, .frequency = 10900})
                            .addFind(2, {.label = "Elsewhere", .lnbType = 0, .frequency = 12500})
                            .addConstellation(0, {.label = "Same as a Find", .frequency = 11747})
                            .addConstellation(1, {.label = "No LNB known", .frequency = 10897})
                            .addSpectrum(0, sweep)
                            .image();
    return Load(image);
}

TEST(SnapshotMatching, ThroughEachSnapshotsOwnLnbAndOnlyInTheGivenLosBand) {
    const RecordLists lists = SampleLists();
    const struct {
        std::optional<double> lo;
        std::vector<std::string> matches;
    } cases[] = {
        // Without an LO the constellation of no known LNB cannot be placed.
        {std::nullopt, {"High band", "Low band", "Same as a Find"}},
        // 10897 - 9750 = 1147; the Find's LNB still places its own constellation.
        {9750, {"High band", "Low band", "Same as a Find", "No LNB known"}},
        {5150, {}},  // a C-band sweep: Ku snapshots lie elsewhere
    };
    for (const auto& c : cases) {
        const analysis::SpectrumAnalysis found =
            analysis::AnalyseSpectrum(lists, 0, {.detection = {}, .loMHz = c.lo});
        ASSERT_EQ(found.carriers.size(), 1u);
        EXPECT_EQ(found.carriers[0].matches, c.matches) << c.lo.value_or(0);
        EXPECT_EQ(found.carriers[0].rfMHz.has_value(), c.lo.has_value());
    }
}

}  // namespace
}  // namespace mirelta
