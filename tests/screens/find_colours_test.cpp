// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/colours.h"
#include "platform/window_template.h"
#include "window_harness.h"

namespace mirelta::testing {
namespace {

const QFont kSentinelFont("Sentinel");
const QColor kSentinelColour(1, 2, 3);

DeviceContext Sentinel() {
    DeviceContext dc;
    dc.textColour = kSentinelColour;
    dc.backgroundColour = kSentinelColour;
    dc.font = &kSentinelFont;
    return dc;
}

class FindColours : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(w.open(fixtures::ImageBuilder())); }

    void expectLabel(int id, const QFont& font, const QColor& text, const QColor& background) {
        DeviceContext dc = Sentinel();
        const BrushHandle brush = w.logic.OnCtlColor(dc, id);
        ASSERT_NE(brush, nullptr) << id;
        EXPECT_EQ(dc.font, &font) << id;
        EXPECT_EQ(dc.textColour, text) << id;
        EXPECT_EQ(dc.backgroundColour, background) << id;
        EXPECT_EQ(brush->color(), background) << id;
    }

    WindowHarness w;
};

TEST_F(FindColours, ContentPanelGetsInkAndKeepsTheBaseAnswersContext) {
    DeviceContext dc = Sentinel();
    const BrushHandle brush = w.logic.OnCtlColor(dc, ids::ContentPanel);
    EXPECT_EQ(brush->color(), colours::Ink);
    EXPECT_EQ(dc.font, &kSentinelFont);
    EXPECT_EQ(dc.textColour, QColor(Qt::black));
    EXPECT_EQ(dc.backgroundColour, colours::DialogFace);
}

TEST_F(FindColours, SoftKeyCaptionsAreInkOnFrameGrey) {
    for (int id : {1005, 1006, 1007, 1037}) {
        expectLabel(id, w.logic.LabelFontSmall(), colours::Ink, colours::FrameGrey);
    }
}

TEST_F(FindColours, LeftAreaIsInkOnPanelGreyInTheSmallFont) {
    for (int id : {1008, 1011, 1014, 1024, 1028, 1032}) {
        expectLabel(id, w.logic.LabelFontSmall(), colours::Ink, colours::PanelGrey);
    }
}

TEST_F(FindColours, LockAndPowerStandOutInHighlightBlue) {
    for (int id : {1033, 1035}) {
        expectLabel(id, w.logic.LabelFontLarge(), colours::HighlightBlue, colours::Ink);
    }
}

TEST_F(FindColours, OtherPanelReadoutsAreWhiteOnInk) {
    for (int id : {1034, 1036, 1046, 1047, 1049, 1051, 1053}) {
        expectLabel(id, w.logic.LabelFontSmall(), colours::White, colours::Ink);
    }
}

TEST_F(FindColours, StrengthAndQualityRowsUseTheLargeFont) {
    for (int id : {1054, 1055, 1056, 1057}) {
        expectLabel(id, w.logic.LabelFontLarge(), colours::Ink, colours::PanelGrey);
    }
}

TEST_F(FindColours, IconsAndPanelControlsGetTheDefaultAnswer) {
    for (int id : {1015, 1016, 1017, 1038, ids::SidePanelLabel}) {
        DeviceContext dc = Sentinel();
        const BrushHandle brush = w.logic.OnCtlColor(dc, id);
        EXPECT_EQ(brush->color(), colours::DialogFace) << id;
        EXPECT_EQ(dc.font, &kSentinelFont) << id;
    }
}

TEST_F(FindColours, EveryQueryDrawsTheGraphicsOnlyWhileDrawingIsOn) {
    QImage& image = w.logic.compositor().image();
    DeviceContext dc;
    w.logic.ShowScreen(ShownScreen::None);  // no screen to show leaves drawing off
    image.fill(Qt::black);
    w.logic.OnCtlColor(dc, 1017);
    EXPECT_EQ(w.pixel(100, 48), qRgb(0, 0, 0));
    w.logic.ShowScreen(ShownScreen::Find);
    image.fill(Qt::black);
    w.logic.OnCtlColor(dc, 1017);  // even an icon's query draws
    EXPECT_EQ(w.pixel(100, 48), qRgb(0, 0, 255));
    EXPECT_EQ(w.pixel(100, 92), colours::FrameGrey.rgb());
    EXPECT_EQ(w.pixel(390, 365), qRgb(255, 255, 255));
    image.fill(Qt::black);
    w.logic.OnCtlColor(dc, ids::ScreenArea);  // the frame never draws
    EXPECT_EQ(w.pixel(100, 48), qRgb(0, 0, 0));
}

}  // namespace
}  // namespace mirelta::testing
