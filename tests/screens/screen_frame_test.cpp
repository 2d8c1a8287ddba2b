// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/colours.h"
#include "platform/window_template.h"
#include "window_harness.h"

namespace mirelta::testing {
namespace {

QRgb rgb(const QColor& c) {
    return c.rgb();
}

TEST(ScreenFrame, StartUpPlacesTheFrameControls) {
    WindowHarness w;
    EXPECT_EQ(w.logic.controls().rect(ids::ScreenArea), (Rect{0, 0, 720, 480}));
    EXPECT_EQ(w.logic.controls().rect(ids::Title), (Rect{0, 0, 720, 48}));
    EXPECT_EQ(w.logic.controls().rect(1017), (Rect{625, 18, 667, 38}));
    EXPECT_EQ(w.logic.controls().rect(ids::BottomBar), (Rect{0, 440, 720, 480}));
    EXPECT_EQ(w.logic.controls().rect(1016), (Rect{576, 14, 616, 44}));
    EXPECT_EQ(w.logic.controls().rect(1022), (Rect{65, 60, 75, 340}));
    EXPECT_TRUE(w.prompts.messages.empty());
}

TEST(ScreenFrame, LabelFontsHaveTheMetersPixelHeights) {
    WindowHarness w;
    EXPECT_EQ(w.logic.LabelFontLarge().pixelSize(), 26);
    EXPECT_EQ(w.logic.LabelFontSmall().pixelSize(), 20);
    EXPECT_EQ(w.logic.LabelFontLarge().family(), "Arial");
}

TEST(ScreenFrame, PaintsTitleBarBottomBarAndGreyArea) {
    WindowHarness w;
    ASSERT_TRUE(w.open(fixtures::ImageBuilder()));
    w.chooseScreen(2);  // the spectrum frame leaves the left edge of the grey area free
    EXPECT_EQ(w.pixel(2, 2), rgb(colours::TitleTeal));
    EXPECT_EQ(w.pixel(300, 47), rgb(colours::TitleTeal));
    EXPECT_EQ(w.pixel(2, 470), rgb(colours::FrameGrey));
    EXPECT_EQ(w.pixel(719, 479), rgb(colours::FrameGrey));
    EXPECT_EQ(w.pixel(2, 200), rgb(colours::PanelGrey));
}

TEST(ShowScreen, ConstellationHidesThe22kIconAndDisablesUpDown) {
    WindowHarness w;
    ASSERT_TRUE(w.open(fixtures::ImageBuilder()));
    w.logic.ShowScreen(ShownScreen::Spectrum);
    EXPECT_TRUE(w.logic.controls().isEnabled(ids::Up));
    EXPECT_TRUE(w.logic.controls().isEnabled(ids::Down));
    EXPECT_TRUE(w.visible(1016));
    w.logic.ShowScreen(ShownScreen::Constellation);
    EXPECT_FALSE(w.visible(1016));
    EXPECT_FALSE(w.logic.controls().isEnabled(ids::Up));
    EXPECT_FALSE(w.logic.controls().isEnabled(ids::Down));
    w.logic.ShowScreen(ShownScreen::Find);
    EXPECT_TRUE(w.visible(1016));
}

TEST(ShowScreen, TitleFollowsTheLanguageValue) {
    WindowHarness w;
    ASSERT_TRUE(w.open(fixtures::ImageBuilder()));
    w.logic.SetLanguage(UiLanguage::French);
    w.logic.ShowScreen(ShownScreen::Spectrum);
    EXPECT_EQ(w.text(ids::Title), "R\xA8\xA6glez Spectrum");
    w.logic.SetLanguage(static_cast<UiLanguage>(5));
    w.logic.ShowScreen(ShownScreen::Spectrum);
    EXPECT_EQ(w.text(ids::Title), "Spectrum Adjust");
}

TEST(ShowScreen, InvalidModeTurnsDrawingOffAndRepaintsNothing) {
    WindowHarness w;
    ASSERT_TRUE(w.open(fixtures::ImageBuilder()));
    w.logic.ShowScreen(ShownScreen::Spectrum);
    const QImage before = w.logic.compositor().image().copy();
    w.logic.ShowScreen(static_cast<ShownScreen>(7));
    EXPECT_FALSE(w.logic.DrawEnabled());
    EXPECT_FALSE(w.logic.controls().isEnabled(ids::Up));
    EXPECT_FALSE(w.logic.controls().isEnabled(ids::Down));
    EXPECT_EQ(w.text(ids::Title), "Spectrum Adjust");
    EXPECT_EQ(w.logic.compositor().image(), before);
}

TEST(ColourHook, DefaultAnswerWhileDrawingIsOff) {
    WindowHarness w;
    DeviceContext dc;
    for (int id : {ids::ScreenArea, ids::BottomBar, ids::Title}) {
        const BrushHandle brush = w.logic.OnCtlColor(dc, id);
        ASSERT_NE(brush, nullptr);
        EXPECT_EQ(brush->color(), colours::DialogFace) << id;
    }
}

TEST(ColourHook, FrameAnswersWhileDrawing) {
    WindowHarness w;
    ASSERT_TRUE(w.open(fixtures::ImageBuilder()));
    DeviceContext dc;
    EXPECT_EQ(w.logic.OnCtlColor(dc, ids::ScreenArea)->color(), colours::PanelGrey);
    EXPECT_EQ(w.logic.OnCtlColor(dc, ids::BottomBar)->color(), colours::FrameGrey);
    EXPECT_EQ(w.logic.OnCtlColor(dc, ids::Title)->color(), colours::TitleTeal);
    EXPECT_EQ(dc.textColour, colours::White);
    EXPECT_EQ(dc.backgroundColour, colours::TitleTeal);
    EXPECT_EQ(dc.font, &w.logic.LabelFontLarge());
}

TEST(PaintLabel, AnyFontChoiceButTwoHundredIsTheSmallFont) {
    WindowHarness w;
    DeviceContext dc;
    w.logic.PaintLabel(dc, LabelFont::Small, colours::Ink, colours::PanelGrey);
    EXPECT_EQ(dc.font, &w.logic.LabelFontSmall());
    w.logic.PaintLabel(dc, static_cast<LabelFont>(201), colours::Ink, colours::PanelGrey);
    EXPECT_EQ(dc.font, &w.logic.LabelFontSmall());
    const BrushHandle brush =
        w.logic.PaintLabel(dc, LabelFont::Large, colours::White, colours::Ink);
    EXPECT_EQ(dc.font, &w.logic.LabelFontLarge());
    EXPECT_EQ(dc.textColour, colours::White);
    EXPECT_EQ(brush->color(), colours::Ink);
}

TEST(ControlBrushes, StayBoundedOverManyRepaints) {
    WindowHarness w;
    fixtures::ImageBuilder image;
    image.addFind(0, fixtures::FindFields{.strength = 50, .lockFlag = 1});
    ASSERT_TRUE(w.open(image));
    const std::size_t afterFirst = w.logic.controlBrushes().count();
    for (int n = 0; n < 10000; ++n) {
        w.logic.compositor().repaintControl(1008 + n % 7);
    }
    w.chooseScreen(1);
    w.chooseScreen(2);
    w.logic.compositor().repaintWindow();
    EXPECT_GT(afterFirst, 0u);
    EXPECT_LE(w.logic.controlBrushes().count(), 8u);
}

}  // namespace
}  // namespace mirelta::testing
