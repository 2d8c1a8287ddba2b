// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "window_harness.h"

namespace mirelta::testing {
namespace {

using fixtures::FindFields;

// Opens an image whose first Find slot holds `fields`; Open shows the Find screen.
void OpenWithFind(WindowHarness& w, const FindFields& fields) {
    fixtures::ImageBuilder image;
    image.addFind(0, fields);
    ASSERT_TRUE(w.open(image));
    ASSERT_EQ(w.document.ScreenMode(), ScreenKind::Find);
}

TEST(FindTexts, AllZeroRecordFromAnImageWithoutFindRecords) {
    WindowHarness w;
    ASSERT_TRUE(w.open(fixtures::ImageBuilder()));
    EXPECT_EQ(w.text(1025), "");
    EXPECT_EQ(w.text(1026), "Universal");
    EXPECT_EQ(w.text(1027), "9750");
    EXPECT_EQ(w.text(1028), "10600");
    EXPECT_EQ(w.text(1029), "0");
    EXPECT_EQ(w.text(1030), "0");
    EXPECT_EQ(w.text(1031), "Hor");
    EXPECT_EQ(w.text(1033), "");
    EXPECT_EQ(w.text(1035), "0.0");
    EXPECT_EQ(w.text(1049), "None");
    EXPECT_EQ(w.text(1051), "None");
    EXPECT_EQ(w.text(1053), "None");
    EXPECT_EQ(w.text(1055), "0 %");
    EXPECT_EQ(w.text(1057), "0 %");
    EXPECT_TRUE(w.visible(1018));
    EXPECT_FALSE(w.visible(1015));
    EXPECT_TRUE(w.visible(1016));
    EXPECT_TRUE(w.prompts.messages.empty());
}

TEST(FindTexts, LnbTypeNameAndLoFrequencies) {
    struct Case {
        std::uint8_t lnbType;
        const char *name, *loLow, *loHigh;
    };
    // The record's own LO fields, 5150 and 0, count only for the customised type.
    for (const Case& c :
         {Case{9, "Customised", "5150", "0"}, Case{1, "9750/10750", "9750", "10750"},
          Case{5, "10600", "10600", "0"}, Case{200, "Unknown (200)", "0", "0"}}) {
        WindowHarness w;
        OpenWithFind(w, {.lnbType = c.lnbType, .loLow = 5150, .loHigh = 0});
        EXPECT_EQ(w.text(1026), c.name) << int(c.lnbType);
        EXPECT_EQ(w.text(1027), c.loLow) << int(c.lnbType);
        EXPECT_EQ(w.text(1028), c.loHigh) << int(c.lnbType);
    }
}

TEST(FindTexts, SatelliteNameFillingItsFieldStopsAtTheFieldsEnd) {
    WindowHarness w;
    const std::string full(33, 'N');
    fixtures::ImageBuilder image;
    image.addFind(0, {.satellite = full, .lnbType = 7});  // the LNB type byte follows the name
    ASSERT_TRUE(w.open(image));
    EXPECT_EQ(w.text(1025), full);
}

TEST(FindTexts, FrequencySymbolRateAndPolarisation) {
    WindowHarness w;
    OpenWithFind(w, {.frequency = 11747, .symbolRate = 27500, .polarisation = 2});
    EXPECT_EQ(w.text(1029), "11747");
    EXPECT_EQ(w.text(1030), "27500");
    EXPECT_EQ(w.text(1031), "Ver");
    EXPECT_TRUE(w.visible(1015));
    EXPECT_FALSE(w.visible(1018));
}

TEST(FindTexts, PowerNeedsQualityAndStrengthOfAtLeastFive) {
    struct Case {
        std::uint8_t quality, strength;
        std::uint16_t power;
        const char* expected;
    };
    for (const Case& c : {Case{80, 4, 654, "0.0"}, Case{4, 80, 654, "0.0"}, Case{5, 5, 654, "65.4"},
                          Case{5, 5, 7, "0.7"}, Case{100, 100, 65535, "6553.5"}}) {
        WindowHarness w;
        OpenWithFind(w, {.quality = c.quality, .strength = c.strength, .powerLevel = c.power});
        EXPECT_EQ(w.text(1035), c.expected) << c.power << " q" << int(c.quality);
    }
}

TEST(FindTexts, LockedRecordShowsCnBerAndFec) {
    struct Case {
        FindFields fields;
        const char *cn, *ber, *fec;
    };
    const Case cases[] = {
        {{.cn = 999, .berMantissa = 123, .berExponent = 5, .system = 1, .codeRate = 4},
         "9.9 dB",
         "1.23 E-5",
         "4/5"},
        // Exponents outside 1 to 8 read as the floor.
        {{.cn = 1000, .berMantissa = 123, .berExponent = 0, .system = 3, .modcod = 12},
         "10.0 dB",
         "9.99 E-8",
         "3/5"},
        {{.cn = 1000, .berMantissa = 123, .berExponent = 9, .system = 3, .modcod = 12},
         "10.0 dB",
         "9.99 E-8",
         "3/5"},
    };
    for (const Case& c : cases) {
        FindFields fields = c.fields;
        fields.lockFlag = 1;
        WindowHarness w;
        OpenWithFind(w, fields);
        EXPECT_EQ(w.text(1033), "Lock");
        EXPECT_EQ(w.text(1049), c.cn);
        EXPECT_EQ(w.text(1051), c.ber) << int(fields.berExponent);
        EXPECT_EQ(w.text(1053), c.fec);
    }
}

TEST(FindTexts, UnlockedRecordShowsNoneWhateverItsFieldsHold) {
    WindowHarness w;
    OpenWithFind(w, {.cn = 1234,
                     .berMantissa = 123,
                     .berExponent = 5,
                     .system = 3,
                     .modcod = 4,
                     .lockFlag = 0});
    EXPECT_EQ(w.text(1033), "");
    EXPECT_EQ(w.text(1049), "None");
    EXPECT_EQ(w.text(1051), "None");
    EXPECT_EQ(w.text(1053), "None");
}

TEST(FindTexts, FrenchCaptionsAndUntranslatedValues) {
    WindowHarness w;
    OpenWithFind(w, {.quality = 50, .strength = 60, .powerLevel = 512, .lockFlag = 1});
    w.chooseLanguage(1);
    EXPECT_EQ(w.text(1054), "force");
    EXPECT_EQ(w.text(1056), "qualit\xA8\xA6");
    EXPECT_EQ(w.text(1033), "bloquer");
    EXPECT_EQ(w.text(1024), "recherche");
    EXPECT_EQ(w.text(1036), "dBuV");
    EXPECT_EQ(w.text(1031), "Hor");
    EXPECT_EQ(w.text(1053), "None");
    EXPECT_EQ(w.text(1035), "51.2");
}

}  // namespace
}  // namespace mirelta::testing
