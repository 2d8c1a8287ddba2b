// SPDX-License-Identifier: GPL-3.0-or-later
// The threshold table against the published figures.
#include "assess/required_cn.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace mirelta {
namespace {

struct Published {
    std::uint8_t system;
    std::uint8_t modcod;
    std::uint8_t codeRate;
    const char* mode;
    std::int32_t requiredCn;  // hundredths of a dB
};

// DVB-S2: the Es/N0 of EN 302 307-1 Table 13 as printed. DVB-S: the Eb/N0 of EN 300 421
// (4.5, 5.0, 5.5, 6.0, 6.4 dB) plus 10 log10(2 R 188/204), worked out by hand; the meter's
// code 5 is 5/6.
constexpr Published kPublished[] = {
    {3, 1, 0, "QPSK 1/4", -235},  {3, 2, 0, "QPSK 1/3", -124},   {3, 3, 0, "QPSK 2/5", -30},
    {3, 4, 0, "QPSK 1/2", 100},   {3, 5, 0, "QPSK 3/5", 223},    {3, 6, 0, "QPSK 2/3", 310},
    {3, 7, 0, "QPSK 3/4", 403},   {3, 8, 0, "QPSK 4/5", 468},    {3, 9, 0, "QPSK 5/6", 518},
    {3, 10, 0, "QPSK 8/9", 620},  {3, 11, 0, "QPSK 9/10", 642},  {3, 12, 0, "8PSK 3/5", 550},
    {3, 13, 0, "8PSK 2/3", 662},  {3, 14, 0, "8PSK 3/4", 791},   {3, 15, 0, "8PSK 5/6", 935},
    {3, 16, 0, "8PSK 8/9", 1069}, {3, 17, 0, "8PSK 9/10", 1098}, {1, 0, 1, "QPSK 1/2", 415},
    {1, 0, 2, "QPSK 2/3", 589},   {1, 0, 3, "QPSK 3/4", 691},    {1, 0, 5, "QPSK 5/6", 786},
    {1, 0, 7, "QPSK 7/8", 848},
};

TEST(RequiredCn, MatchesThePublishedFigures) {
    for (const Published& p : kPublished) {
        SCOPED_TRACE(p.mode);
        const std::optional<ModeReference> found = RequiredCn(p.system, p.modcod, p.codeRate);
        ASSERT_TRUE(found.has_value());
        EXPECT_STREQ(found->mode, p.mode);
        EXPECT_EQ(found->requiredCn, p.requiredCn);
    }
}

TEST(RequiredCn, DvbSRowsKeepTheEbN0AsPrinted) {
    std::string figures;
    for (const ReferenceRow& row : ReferenceTable()) {
        EXPECT_NE(std::string(row.source), "");
        if (row.system == kSystemDvbS) {
            EXPECT_EQ(row.kind, FigureKind::EbN0);
            figures += std::to_string(row.figure) + " ";
        }
    }
    EXPECT_EQ(figures, "450 500 550 600 640 ");
    EXPECT_EQ(ReferenceTable().size(), std::size(kPublished));
}

TEST(RequiredCn, ModesWithoutAPublishedFigureHaveNoReference) {
    struct Mode {
        std::uint8_t system, modcod, codeRate;
    };
    // DVB-S 4/5, 6/7 and codes past 7; DVB-S2 MODCOD 0 and past 17; a system the meter does
    // not know; a DVB-S code rate does not stand in for a DVB-S2 MODCOD.
    for (const Mode m : {Mode{1, 0, 4}, Mode{1, 0, 6}, Mode{1, 0, 8}, Mode{1, 0, 0}, Mode{3, 0, 1},
                         Mode{3, 18, 0}, Mode{3, 255, 0}, Mode{2, 4, 1}, Mode{0, 4, 1}}) {
        SCOPED_TRACE(std::to_string(m.system) + "/" + std::to_string(m.modcod) + "/" +
                     std::to_string(m.codeRate));
        EXPECT_FALSE(RequiredCn(m.system, m.modcod, m.codeRate).has_value());
    }
}

}  // namespace
}  // namespace mirelta
