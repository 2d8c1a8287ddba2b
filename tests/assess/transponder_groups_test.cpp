// SPDX-License-Identifier: GPL-3.0-or-later
// Find and Constellation snapshots of one carrier form one transponder.
#include "assess/transponder_groups.h"

#include <gtest/gtest.h>

#include "fixtures/image_builder.h"

namespace mirelta {
namespace {

using fixtures::ConstellationFields;
using fixtures::FindFields;

// A locked DVB-S QPSK 3/4 Find snapshot at 11747 MHz, horizontal, 27500 kS/s, C/N 12 dB.
FindFields Reference() {
    return FindFields{.frequency = 11747,
                      .symbolRate = 27500,
                      .polarisation = 0,
                      .quality = 80,
                      .strength = 80,
                      .cn = 1200,
                      .system = 1,
                      .codeRate = 3,
                      .lockFlag = 1};
}

TEST(TransponderGroups, EdgesOfFrequencyPolarisationAndSymbolRate) {
    const struct {
        const char* what;
        std::uint32_t frequency;
        std::uint8_t polarisation;
        std::uint32_t symbolRate;
        std::size_t groups;
    } cases[] = {
        {"2 MHz apart", 11749, 0, 27500, 1},         {"3 MHz apart", 11750, 0, 27500, 2},
        {"2 MHz below", 11745, 0, 27500, 1},         {"other polarisation", 11747, 1, 27500, 2},
        {"symbol rate 1 % off", 11747, 0, 27775, 1}, {"symbol rate 1.1 % off", 11747, 0, 27803, 2},
    };
    for (const auto& c : cases) {
        SourceImage image =
            fixtures::ImageBuilder()
                .addFind(0, Reference())
                .addConstellation(0, ConstellationFields{.frequency = c.frequency,
                                                         .symbolRate = c.symbolRate,
                                                         .polarisation = c.polarisation,
                                                         .system = 1,
                                                         .codeRate = 3,
                                                         .cn = 1200})
                .image();
        const RecordLists lists = Load(image);
        const auto groups = GroupTransponders(lists, SnapshotModel(lists, {}));
        EXPECT_EQ(groups.size(), c.groups) << c.what;
    }
}

TEST(TransponderGroups, RowTakesTheWorstLockedVerdictAndIgnoresUnlockedOnes) {
    FindFields failing = Reference();
    failing.cn = 500;  // 5 dB against the 7.3 dB that QPSK 3/4 needs
    FindFields unlocked = Reference();
    unlocked.lockFlag = 0;
    SourceImage image = fixtures::ImageBuilder()
                            .addFind(0, Reference())
                            .addFind(1, unlocked)
                            .addFind(2, failing)
                            .addFind(3, FindFields{.frequency = 11847})
                            .image();
    const RecordLists lists = Load(image);
    const std::vector<SnapshotValues> model = SnapshotModel(lists, {});
    const auto groups = GroupTransponders(lists, model);
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0].members, (std::vector<std::size_t>{0, 1, 2}));
    EXPECT_EQ(groups[0].verdict, Verdict::Fail);
    // A transponder seen only unlocked keeps its snapshot's own status.
    EXPECT_EQ(groups[1].verdict, model[3].assessment.verdict);
}

}  // namespace
}  // namespace mirelta
