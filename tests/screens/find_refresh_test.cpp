// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "window_harness.h"

namespace mirelta::testing {
namespace {

using fixtures::FindFields;

const FindFields kFirst{.satellite = "Astra 19.2E",
                        .lnbType = 1,
                        .frequency = 11747,
                        .symbolRate = 27500,
                        .polarisation = 0,
                        .quality = 85,
                        .strength = 78,
                        .powerLevel = 652,
                        .cn = 1234,
                        .berMantissa = 123,
                        .berExponent = 5,
                        .system = 1,
                        .codeRate = 3,
                        .lockFlag = 1};
const FindFields kSecond{.satellite = "Hotbird 13E",
                         .lnbType = 9,
                         .loLow = 5150,
                         .loHigh = 0,
                         .frequency = 12111,
                         .symbolRate = 29900,
                         .polarisation = 1,
                         .quality = 4,
                         .strength = 60,
                         .powerLevel = 701};
const FindFields kUniversal{.lnbType = 0, .polarisation = 1};

void OpenThree(WindowHarness& w) {
    fixtures::ImageBuilder image;
    image.addFind(0, kFirst);
    image.addFind(3, kSecond);
    image.addFind(7, kUniversal);
    ASSERT_TRUE(w.open(image));
}

TEST(FindRefresh, PickRetextsEveryValue) {
    WindowHarness w;
    OpenThree(w);
    w.pickFind(1);
    EXPECT_EQ(w.text(1025), "Hotbird 13E");
    EXPECT_EQ(w.text(1026), "Customised");
    EXPECT_EQ(w.text(1027), "5150");
    EXPECT_EQ(w.text(1028), "0");
    EXPECT_EQ(w.text(1029), "12111");
    EXPECT_EQ(w.text(1030), "29900");
    EXPECT_EQ(w.text(1031), "Ver");
    EXPECT_EQ(w.text(1033), "");
    EXPECT_EQ(w.text(1035), "0.0");
    EXPECT_EQ(w.text(1049), "None");
    EXPECT_EQ(w.text(1051), "None");
    EXPECT_EQ(w.text(1053), "None");
    EXPECT_EQ(w.text(1055), "60 %");
    EXPECT_EQ(w.text(1057), "4 %");
    w.pickFind(0);
    EXPECT_EQ(w.text(1025), "Astra 19.2E");
    EXPECT_EQ(w.text(1033), "Lock");
    EXPECT_EQ(w.text(1035), "65.2");
    EXPECT_EQ(w.text(1049), "12.3 dB");
    EXPECT_EQ(w.text(1051), "1.23 E-5");
    EXPECT_EQ(w.text(1053), "3/4");
}

TEST(FindRefresh, PolarisationIconsFollowThePick) {
    WindowHarness w;
    OpenThree(w);
    EXPECT_TRUE(w.visible(1018));
    EXPECT_FALSE(w.visible(1015));
    w.pickFind(1);
    EXPECT_TRUE(w.visible(1015));
    EXPECT_FALSE(w.visible(1018));
}

TEST(FindRefresh, The22kIconOnEntryAndAfterAPick) {
    WindowHarness w;
    OpenThree(w);
    EXPECT_TRUE(w.visible(1016));  // entering shows it whatever the LNB type
    w.pickFind(0);
    EXPECT_FALSE(w.visible(1016));
    w.pickFind(2);
    EXPECT_TRUE(w.visible(1016));
    w.pickFind(1);
    EXPECT_FALSE(w.visible(1016));
    w.chooseScreen(0);
    EXPECT_TRUE(w.visible(1016));
}

TEST(FindRefresh, LnbTypeAboveNineHidesThe22kIconAfterAPick) {
    WindowHarness w;
    fixtures::ImageBuilder image;
    image.addFind(0, kUniversal);
    image.addFind(1, {.lnbType = 10});
    ASSERT_TRUE(w.open(image));
    w.pickFind(1);
    EXPECT_FALSE(w.visible(1016));
    EXPECT_EQ(w.text(1026), "Unknown (10)");
}

// The value column after a pick holds the same pixels as in a window that shows that record
// first: every text of the new record is drawn, none of the old one is left.
TEST(FindRefresh, PickShowsTheNewRecordsTextsInTheImage) {
    WindowHarness w;
    OpenThree(w);
    w.pickFind(1);
    WindowHarness shownFirst;
    fixtures::ImageBuilder image;
    image.addFind(0, kSecond);
    ASSERT_TRUE(shownFirst.open(image));
    const QRect values(215, 60, 245, 270);
    const QImage picked = w.document.clientImage().copy(values);
    EXPECT_EQ(picked, shownFirst.document.clientImage().copy(values));
    OpenThree(shownFirst);
    EXPECT_NE(picked, shownFirst.document.clientImage().copy(values)) << "the first record's";
}

}  // namespace
}  // namespace mirelta::testing
