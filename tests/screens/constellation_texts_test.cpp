// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "constellation_test_support.h"
#include "platform/window_template.h"

namespace mirelta::testing {
namespace {

using fixtures::ConstellationFields;

TEST(ConstellationTexts, AllZeroRecordFromAnImageWithoutConstellations) {
    WindowHarness w;
    ASSERT_TRUE(w.open(fixtures::ImageBuilder()));
    w.chooseScreen(1);
    EXPECT_EQ(w.text(1009), "...");
    EXPECT_EQ(w.text(1011), "----");
    EXPECT_EQ(w.text(1012), "0/ H /0");
    EXPECT_EQ(w.text(1014), " 0.0 dB");
    EXPECT_EQ(w.text(1025), "0.0 dB");
    EXPECT_EQ(w.text(1027), "None");
    EXPECT_EQ(w.text(1029), "9.99 E-8");
    EXPECT_EQ(w.text(1031), "0 %");
    EXPECT_EQ(w.text(1033), "0 %");
    EXPECT_EQ(w.text(ids::ContentPanel), "");
    EXPECT_TRUE(w.prompts.messages.empty());
}

TEST(ConstellationTexts, FrequencyTextFoldsInThePolarisation) {
    for (std::uint8_t pol : std::initializer_list<std::uint8_t>{0, 1, 2}) {
        WindowHarness w;
        OpenConstellation(w, {.frequency = 11747, .symbolRate = 27500, .polarisation = pol});
        EXPECT_EQ(w.text(1012), pol == 0 ? "11747/ H /27500" : "11747/ V /27500") << int(pol);
    }
}

TEST(ConstellationTexts, MerCutsTheHundredthsAndPadsToTwoDigits) {
    struct Case {
        std::uint32_t mer;
        const char* expected;
    };
    for (const Case& c : {Case{1234, "12.3 dB"}, Case{999, " 9.9 dB"}, Case{950, " 9.5 dB"},
                          Case{10000, "100.0 dB"}, Case{1299, "12.9 dB"}}) {
        WindowHarness w;
        OpenConstellation(w, {.mer = c.mer});
        EXPECT_EQ(w.text(1014), c.expected) << c.mer;
    }
}

TEST(ConstellationTexts, ModulationFecCnBerAndPercentages) {
    WindowHarness w;
    OpenConstellation(w, {.system = 3,
                          .modcod = 12,
                          .cn = 1000,
                          .berMantissa = 250,
                          .berExponent = 6,
                          .quality = 85,
                          .strength = 140});
    EXPECT_EQ(w.text(1011), "DVB-S2/8PSK");
    EXPECT_EQ(w.text(1027), "3/5");
    EXPECT_EQ(w.text(1025), "10.0 dB");
    EXPECT_EQ(w.text(1029), "2.50 E-6");
    EXPECT_EQ(w.text(1031), "85 %");
    EXPECT_EQ(w.text(1033), "140 %");
}

TEST(ConstellationTexts, DvbSRecord) {
    WindowHarness w;
    OpenConstellation(w, {.system = 1, .codeRate = 7, .cn = 999, .berExponent = 9});
    EXPECT_EQ(w.text(1011), "DVB-S/QPSK");
    EXPECT_EQ(w.text(1027), "7/8");
    EXPECT_EQ(w.text(1025), "9.9 dB");
    EXPECT_EQ(w.text(1029), "9.99 E-8");
}

TEST(ConstellationTexts, FrenchCaptionsAndUntranslatedValues) {
    WindowHarness w;
    OpenConstellation(w, {.system = 1, .codeRate = 5, .quality = 40});
    w.chooseLanguage(1);
    EXPECT_EQ(w.text(1030), "qualit\xA8\xA6");
    EXPECT_EQ(w.text(1032), "force");
    EXPECT_EQ(w.text(1036), "confirmer");
    EXPECT_EQ(w.text(1047), "Enregistrer");
    EXPECT_EQ(w.text(ids::Title), "Analyseur de constellation");
    EXPECT_EQ(w.text(1027), "None");
    EXPECT_EQ(w.text(1031), "40 %");
    EXPECT_EQ(w.text(1009), "...");
}

}  // namespace
}  // namespace mirelta::testing
