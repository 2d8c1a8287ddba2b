// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/window_template.h"
#include "screens/text_table.h"
#include "window_harness.h"

namespace mirelta::testing {
namespace {

TEST(TextTable, EveryEntryHoldsItsOwnIdAndFrenchAccentIsCodePage936) {
    const auto table = TextTable();
    ASSERT_EQ(table.size(), 39u);
    for (std::size_t k = 0; k < table.size(); ++k) {
        EXPECT_EQ(table[k].id, static_cast<int>(k));
    }
    EXPECT_STREQ(table[2].french, "R\xA8\xA6glez Spectrum");
    EXPECT_STREQ(table[12].french, "qualit\xA8\xA6");
    EXPECT_STREQ(TableText(11, UiLanguage::French), "force");
    EXPECT_STREQ(TableText(11, static_cast<UiLanguage>(7)),
                 "Strength");  // anything but 1 is English
}

TEST(SetLabel, MovesTextsAndSetsOnlyTheAlignmentBits) {
    WindowHarness w;
    w.logic.controls().setStyle(1008, 0x50);
    w.logic.SetLabel(1008, Rect{40, 60, 190, 90}, 3, 2);
    EXPECT_EQ(w.logic.controls().rect(1008), (Rect{40, 60, 190, 90}));
    EXPECT_EQ(w.text(1008), "Satellite");
    EXPECT_EQ(w.logic.controls().style(1008), 0x52);
    EXPECT_TRUE(w.prompts.messages.empty());
}

TEST(SetLabel, EmptyTextIdIgnoresTheStyle) {
    WindowHarness w;
    w.logic.controls().setText(1009, "old");
    w.logic.controls().setStyle(1009, 1);
    w.logic.SetLabel(1009, std::nullopt, text_id::Empty, -1);
    EXPECT_EQ(w.text(1009), "");
    EXPECT_EQ(w.logic.controls().style(1009), 1);
    EXPECT_TRUE(w.prompts.messages.empty());
}

TEST(SetLabel, StyleMinusOneMovesThenComplainsAndKeepsTheText) {
    WindowHarness w;
    w.logic.controls().setText(1010, "old");
    w.logic.SetLabel(1010, Rect{1, 2, 3, 4}, 5, -1);
    EXPECT_EQ(w.logic.controls().rect(1010), (Rect{1, 2, 3, 4}));
    EXPECT_EQ(w.text(1010), "old");
    EXPECT_EQ(w.prompts.messages, (std::vector<std::string>{"Set string error!\n ID=5"}));
}

TEST(SetLabel, UnknownTextIdSaysAddStringError) {
    WindowHarness w;
    w.logic.controls().setText(1010, "old");
    w.logic.SetLabel(1010, std::nullopt, 39, 0);
    w.logic.SetLabel(1010, std::nullopt, -2, 0);
    EXPECT_EQ(w.text(1010), "old");
    EXPECT_EQ(w.prompts.messages,
              (std::vector<std::string>{"Add string error!\n ID=39", "Add string error!\n ID=-2"}));
}

TEST(SetLabel, CustomTextFallsBackToDots) {
    WindowHarness w;
    w.logic.SetLabel(1011, std::nullopt, text_id::Custom, 0);
    EXPECT_EQ(w.text(1011), "...");
    w.logic.SetLabel(1011, std::nullopt, text_id::Custom, 0, std::string());
    EXPECT_EQ(w.text(1011), "");
    w.logic.SetLabel(1011, std::nullopt, text_id::Custom, 1, std::string("12.3 dB"));
    EXPECT_EQ(w.text(1011), "12.3 dB");
}

TEST(SetLabel, FollowsTheLanguage) {
    WindowHarness w;
    w.logic.SetLanguage(UiLanguage::French);
    w.logic.SetLabel(1012, std::nullopt, 12, 0);
    EXPECT_EQ(w.text(1012), "qualit\xA8\xA6");
}

TEST(LanguageList, BeforeAnyFileChangesNothingOnScreen) {
    WindowHarness w;
    const QImage before = w.logic.compositor().image().copy();
    w.chooseLanguage(1);
    EXPECT_EQ(w.logic.Language(), UiLanguage::French);
    EXPECT_EQ(w.logic.ScreenMode(), ShownScreen::None);
    EXPECT_FALSE(w.logic.DrawEnabled());
    EXPECT_EQ(w.text(ids::Title), "");
    EXPECT_FALSE(w.visible(ids::ScreenArea));
    EXPECT_EQ(w.logic.compositor().image(), before);
}

TEST(LanguageList, RetitlesTheShownScreen) {
    WindowHarness w;
    ASSERT_TRUE(w.open(fixtures::ImageBuilder()));
    w.chooseScreen(2);
    w.chooseLanguage(1);
    EXPECT_EQ(w.text(ids::Title), "R\xA8\xA6glez Spectrum");
    w.chooseLanguage(0);
    EXPECT_EQ(w.text(ids::Title), "Spectrum Adjust");
}

}  // namespace
}  // namespace mirelta::testing
