// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "constellation_test_support.h"

namespace mirelta::testing {
namespace {

using fixtures::ConstellationFields;

ConstellationFields RecordA() {
    ConstellationFields a = AllSamples(10, 10);  // (570, 220)
    a.i[0] = 20;
    a.q[0] = 0;  // (610, 260)
    a.frequency = 11747;
    a.symbolRate = 27500;
    a.system = 1;
    a.codeRate = 3;
    a.cn = 1234;
    a.berMantissa = 123;
    a.berExponent = 5;
    a.mer = 1180;
    a.quality = 85;
    a.strength = 78;
    return a;
}

ConstellationFields RecordB() {
    ConstellationFields b = AllSamples(-10 + 128, -10 + 128);  // (490, 300)
    b.i[0] = 20;
    b.q[0] = 0;  // shared with A
    b.frequency = 12111;
    b.symbolRate = 29900;
    b.polarisation = 1;
    b.system = 3;
    b.modcod = 13;
    b.cn = 987;
    b.berMantissa = 250;
    b.berExponent = 6;
    b.mer = 999;
    b.quality = 40;
    b.strength = 20;
    return b;
}

void OpenTwo(WindowHarness& w) {
    fixtures::ImageBuilder image;
    image.addConstellation(2, RecordA());
    image.addConstellation(9, RecordB());
    ASSERT_TRUE(w.open(image));
    w.chooseScreen(1);
}

TEST(ConstellationRefresh, PickRetextsTheEightValues) {
    WindowHarness w;
    OpenTwo(w);
    w.pickConstellation(1);
    EXPECT_EQ(w.text(1011), "DVB-S2/8PSK");
    EXPECT_EQ(w.text(1012), "12111/ V /29900");
    EXPECT_EQ(w.text(1014), " 9.9 dB");
    EXPECT_EQ(w.text(1025), "9.8 dB");
    EXPECT_EQ(w.text(1027), "2/3");
    EXPECT_EQ(w.text(1029), "2.50 E-6");
    EXPECT_EQ(w.text(1031), "40 %");
    EXPECT_EQ(w.text(1033), "20 %");
    w.pickConstellation(0);
    EXPECT_EQ(w.text(1011), "DVB-S/QPSK");
    EXPECT_EQ(w.text(1014), "11.8 dB");
    EXPECT_EQ(w.text(1027), "3/4");
}

TEST(ConstellationRefresh, PickEndsWithOnlyTheNewRecordsPoints) {
    WindowHarness w;
    OpenTwo(w);
    ASSERT_EQ(RedPlotPixels(w), (std::set<std::pair<int, int>>{{570, 220}, {610, 260}}));
    w.pickConstellation(1);
    EXPECT_EQ(RedPlotPixels(w), (std::set<std::pair<int, int>>{{490, 300}, {610, 260}}));
    EXPECT_EQ(w.pixel(570, 220), qRgb(8, 8, 8));
}

TEST(ConstellationRefresh, PickRedrawsTheBars) {
    WindowHarness w;
    OpenTwo(w);
    w.pickConstellation(1);
    EXPECT_EQ(w.pixel(162, 365), qRgb(57, 165, 214));   // second quality bar
    EXPECT_EQ(w.pixel(182, 365), qRgb(255, 255, 255));  // third one gone
    EXPECT_EQ(w.pixel(142, 415), qRgb(57, 165, 214));
    EXPECT_EQ(w.pixel(162, 415), qRgb(255, 255, 255));
}

TEST(ConstellationRefresh, LanguageChangeKeepsTheSelectedRecord) {
    WindowHarness w;
    OpenTwo(w);
    w.pickConstellation(1);
    w.chooseLanguage(1);
    EXPECT_EQ(w.text(1012), "12111/ V /29900");
    EXPECT_EQ(RedPlotPixels(w), (std::set<std::pair<int, int>>{{490, 300}, {610, 260}}));
}

}  // namespace
}  // namespace mirelta::testing
