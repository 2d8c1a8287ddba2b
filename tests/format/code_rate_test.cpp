// SPDX-License-Identifier: GPL-3.0-or-later
// Code-rate (FEC) and modulation texts.
#include <gtest/gtest.h>

#include "fixtures/image_builder.h"
#include "format/value_format.h"

namespace mirelta {
namespace {

using fixtures::ConstellationFields;
using fixtures::FindFields;

FindRecord LockedFind(std::uint8_t system, std::uint8_t modcod, std::uint8_t codeRate,
                      std::uint8_t lock = 1) {
    return fixtures::FindRecordOf(
        FindFields{.system = system, .modcod = modcod, .codeRate = codeRate, .lockFlag = lock});
}

ConstellationRecord Constellation(std::uint8_t system, std::uint8_t modcod, std::uint8_t codeRate) {
    return fixtures::ConstellationRecordOf(
        ConstellationFields{.system = system, .modcod = modcod, .codeRate = codeRate});
}

TEST(FecText, DvbSCodes) {
    const char* expected[] = {"None", "1/2", "2/3", "3/4", "4/5", "None", "6/7", "7/8", "None"};
    for (int code = 0; code <= 8; ++code) {
        const auto c = static_cast<std::uint8_t>(code);
        EXPECT_EQ(FecText(LockedFind(1, 0, c)), expected[code]) << "code " << code;
        EXPECT_EQ(FecText(Constellation(1, 0, c)), expected[code]) << "code " << code;
    }
    EXPECT_EQ(FecText(LockedFind(1, 0, 255)), "None");
}

TEST(FecText, DvbS2Modcods) {
    const char* expected[] = {"None", "1/4", "1/3", "2/5",  "1/2",  "3/5", "2/3",
                              "3/4",  "4/5", "5/6", "8/9",  "9/10", "3/5", "2/3",
                              "3/4",  "5/6", "8/9", "9/10", "None"};
    for (int modcod = 0; modcod <= 18; ++modcod) {
        const auto m = static_cast<std::uint8_t>(modcod);
        EXPECT_EQ(FecText(LockedFind(3, m, 4)), expected[modcod]) << "MODCOD " << modcod;
        EXPECT_EQ(FecText(Constellation(3, m, 4)), expected[modcod]) << "MODCOD " << modcod;
    }
    EXPECT_EQ(FecText(Constellation(3, 255, 1)), "None");
}

TEST(FecText, SystemSelectsWhichFieldIsRead) {
    // DVB-S reads the code-rate code and ignores the MODCOD, and the other way round.
    EXPECT_EQ(FecText(LockedFind(1, 12, 2)), "2/3");
    EXPECT_EQ(FecText(LockedFind(3, 12, 2)), "3/5");
    EXPECT_EQ(FecText(Constellation(1, 17, 7)), "7/8");
    EXPECT_EQ(FecText(Constellation(3, 17, 7)), "9/10");
}

TEST(FecText, OtherSystemsGiveNone) {
    for (int system : {0, 2, 4, 255}) {
        EXPECT_EQ(FecText(LockedFind(static_cast<std::uint8_t>(system), 4, 4)), "None");
        EXPECT_EQ(FecText(Constellation(static_cast<std::uint8_t>(system), 4, 4)), "None");
    }
}

TEST(FecText, UnlockedFindGivesNone) {
    EXPECT_EQ(FecText(LockedFind(3, 4, 0, 0)), "None");
    EXPECT_EQ(FecText(LockedFind(1, 0, 4, 0)), "None");
    EXPECT_EQ(FecText(LockedFind(3, 4, 0, 0x80)), "1/2");  // any nonzero flag means locked
}

TEST(ModulationText, BySystemAndModcod) {
    EXPECT_EQ(ModulationText(Constellation(1, 0, 3)), "DVB-S/QPSK");
    EXPECT_EQ(ModulationText(Constellation(1, 15, 3)), "DVB-S/QPSK");
    EXPECT_EQ(ModulationText(Constellation(3, 0, 0)), "DVB-S2/QPSK");
    EXPECT_EQ(ModulationText(Constellation(3, 11, 0)), "DVB-S2/QPSK");
    EXPECT_EQ(ModulationText(Constellation(3, 12, 0)), "DVB-S2/8PSK");
    EXPECT_EQ(ModulationText(Constellation(3, 255, 0)), "DVB-S2/8PSK");
    EXPECT_EQ(ModulationText(Constellation(0, 12, 0)), "----");
    EXPECT_EQ(ModulationText(Constellation(2, 12, 0)), "----");
}

TEST(ModulationText, Modcod12And11Boundary) {
    EXPECT_EQ(FecText(Constellation(3, 12, 0)), "3/5");
    EXPECT_EQ(ModulationText(Constellation(3, 12, 0)), "DVB-S2/8PSK");
    EXPECT_EQ(FecText(Constellation(3, 11, 0)), "9/10");
    EXPECT_EQ(ModulationText(Constellation(3, 11, 0)), "DVB-S2/QPSK");
}

}  // namespace
}  // namespace mirelta
