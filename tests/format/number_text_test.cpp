// SPDX-License-Identifier: GPL-3.0-or-later
// C/N, BER and percentage texts.
#include <gtest/gtest.h>

#include <cstdint>

#include "format/value_format.h"

namespace mirelta {
namespace {

TEST(CnText, TenthsAreCutNotRounded) {
    EXPECT_EQ(CnText(1234), "12.3 dB");
    EXPECT_EQ(CnText(987), "9.8 dB");
    EXPECT_EQ(CnText(999), "9.9 dB");
    EXPECT_EQ(CnText(5), "0.0 dB");
    EXPECT_EQ(CnText(0), "0.0 dB");
}

TEST(CnText, TwoDigitsFromTenDecibels) {
    EXPECT_EQ(CnText(1000), "10.0 dB");
    EXPECT_EQ(CnText(1099), "10.9 dB");
    EXPECT_EQ(CnText(10000), "100.0 dB");
    EXPECT_EQ(CnText(UINT32_MAX), "42949672.9 dB");
}

TEST(BerText, MantissaInHundredths) {
    EXPECT_EQ(BerText(123, 5), "1.23 E-5");
    EXPECT_EQ(BerText(199, 1), "1.99 E-1");
    EXPECT_EQ(BerText(7, 8), "0.07 E-8");
    EXPECT_EQ(BerText(1000, 3), "10.00 E-3");
}

TEST(BerText, ExponentZeroOrAboveEightShowsTheFloor) {
    EXPECT_EQ(BerText(123, 0), "9.99 E-8");
    EXPECT_EQ(BerText(123, 9), "9.99 E-8");
    EXPECT_EQ(BerText(0, 255), "9.99 E-8");
    EXPECT_EQ(BerText(UINT32_MAX, 9), "9.99 E-8");
}

TEST(PercentText, SpaceBeforeTheSign) {
    EXPECT_EQ(PercentText(85), "85 %");
    EXPECT_EQ(PercentText(0), "0 %");
    EXPECT_EQ(PercentText(255), "255 %");
}

TEST(PrintfText, FormatsIntoAString) {
    EXPECT_EQ(Printf("%d/ H /%d", 11747, 27500), "11747/ H /27500");
    EXPECT_EQ(Printf("%s", ""), "");
    const std::string longText(500, 'x');
    EXPECT_EQ(Printf("[%s]", longText.c_str()), "[" + longText + "]");
}

}  // namespace
}  // namespace mirelta
