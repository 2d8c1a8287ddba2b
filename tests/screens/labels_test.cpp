// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/colours.h"
#include "platform/compositor.h"
#include "platform/scripted_prompts.h"
#include "platform/window_template.h"
#include "screens/screen_context.h"
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

// A screen context of its own, so a case can set a label up as it likes first.
class LabelContext : public ::testing::Test {
  protected:
    struct DefaultColours : ColourHook {
        BrushHandle OnCtlColor(DeviceContext& dc, int /*controlId*/) override {
            return DefaultColourAnswer(dc);
        }
    };

    ControlTable controls;
    DefaultColours hook;
    Compositor compositor{controls, hook};
    ScriptedPrompts prompts;
    ScreenContext context{controls, compositor, prompts};
};

TEST_F(LabelContext, SetLabelMovesTextsAndSetsOnlyTheAlignmentBits) {
    controls.setStyle(1008, 0x50);
    context.SetLabel(1008, Rect{40, 60, 190, 90}, 3, 2);
    EXPECT_EQ(controls.rect(1008), (Rect{40, 60, 190, 90}));
    EXPECT_EQ(controls.text(1008), "Satellite");
    EXPECT_EQ(controls.style(1008), 0x52);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(LabelContext, SetLabelWithTheEmptyTextIdIgnoresTheStyle) {
    controls.setText(1009, "old");
    controls.setStyle(1009, 1);
    context.SetLabel(1009, std::nullopt, text_id::Empty, kStyleUnchanged);
    EXPECT_EQ(controls.text(1009), "");
    EXPECT_EQ(controls.style(1009), 1);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(LabelContext, SetLabelWithoutAStyleMovesThenComplainsAndKeepsTheText) {
    controls.setText(1010, "old");
    context.SetLabel(1010, Rect{1, 2, 3, 4}, 5, kStyleUnchanged);
    EXPECT_EQ(controls.rect(1010), (Rect{1, 2, 3, 4}));
    EXPECT_EQ(controls.text(1010), "old");
    EXPECT_EQ(prompts.messages, (std::vector<std::string>{"Set string error!\n ID=5"}));
}

TEST_F(LabelContext, SetLabelWithAnUnknownTextIdSaysAddStringError) {
    controls.setText(1010, "old");
    context.SetLabel(1010, std::nullopt, 39, 0);
    context.SetLabel(1010, std::nullopt, -2, 0);
    EXPECT_EQ(controls.text(1010), "old");
    EXPECT_EQ(prompts.messages,
              (std::vector<std::string>{"Add string error!\n ID=39", "Add string error!\n ID=-2"}));
}

TEST_F(LabelContext, SetLabelCustomTextFallsBackToDots) {
    context.SetLabel(1011, std::nullopt, text_id::Custom, 0);
    EXPECT_EQ(controls.text(1011), "...");
    context.SetLabel(1011, std::nullopt, text_id::Custom, 0, std::string());
    EXPECT_EQ(controls.text(1011), "");
    context.SetLabel(1011, std::nullopt, text_id::Custom, 1, std::string("12.3 dB"));
    EXPECT_EQ(controls.text(1011), "12.3 dB");
}

TEST_F(LabelContext, SetLabelFollowsTheLanguage) {
    context.setLanguage(UiLanguage::French);
    context.SetLabel(1012, std::nullopt, 12, 0);
    EXPECT_EQ(controls.text(1012), "qualit\xA8\xA6");
}

TEST_F(LabelContext, PaintLabelGivesTheLargeFontOnlyForTheLargeChoice) {
    context.CreateLabelFonts();
    DeviceContext dc;
    context.PaintLabel(dc, LabelFont::Small, colours::Ink, colours::PanelGrey);
    EXPECT_EQ(dc.font, &context.LabelFontSmall());
    context.PaintLabel(dc, static_cast<LabelFont>(201), colours::Ink, colours::PanelGrey);
    EXPECT_EQ(dc.font, &context.LabelFontSmall());
    const BrushHandle brush =
        context.PaintLabel(dc, LabelFont::Large, colours::White, colours::Ink);
    EXPECT_EQ(dc.font, &context.LabelFontLarge());
    EXPECT_EQ(dc.textColour, colours::White);
    EXPECT_EQ(dc.backgroundColour, colours::Ink);
    EXPECT_EQ(brush->color(), colours::Ink);
}

TEST(LanguageList, BeforeAnyFileChangesNothingOnScreen) {
    WindowHarness w;
    const QImage before = w.document.clientImage();
    w.chooseLanguage(1);
    EXPECT_EQ(w.document.Language(), UiLanguage::French);
    EXPECT_EQ(w.document.ScreenMode(), ScreenKind::None);
    EXPECT_FALSE(w.document.DrawEnabled());
    EXPECT_EQ(w.text(ids::Title), "");
    EXPECT_FALSE(w.visible(ids::ScreenArea));
    EXPECT_EQ(w.document.clientImage(), before);
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
