// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "constellation_test_support.h"
#include "platform/colours.h"
#include "platform/window_template.h"

namespace mirelta::testing {
namespace {

const QFont kSentinelFont("Sentinel");

class ConstellationColours : public ::testing::Test {
  protected:
    void SetUp() override { OpenConstellation(w, {}); }

    void expectLabel(int id, const QFont& font, const QColor& text, const QColor& background) {
        DeviceContext dc;
        dc.font = &kSentinelFont;
        const BrushHandle brush = w.logic.OnCtlColor(dc, id);
        ASSERT_NE(brush, nullptr) << id;
        EXPECT_EQ(dc.font, &font) << id;
        EXPECT_EQ(dc.textColour, text) << id;
        EXPECT_EQ(dc.backgroundColour, background) << id;
        EXPECT_EQ(brush->color(), background) << id;
    }

    WindowHarness w;
};

TEST_F(ConstellationColours, ContentPanelGetsInkAndLeavesTheFontAlone) {
    DeviceContext dc;
    dc.font = &kSentinelFont;
    const BrushHandle brush = w.logic.OnCtlColor(dc, ids::ContentPanel);
    EXPECT_EQ(brush->color(), colours::Ink);
    EXPECT_EQ(dc.font, &kSentinelFont);
    EXPECT_EQ(dc.backgroundColour, colours::DialogFace);  // the base answer's, untouched
}

TEST_F(ConstellationColours, ReadoutsAreInkOnPanelGreyInTheSmallFont) {
    for (int id : {1008, 1009, 1013, 1024, 1027, 1030, 1033}) {
        expectLabel(id, w.logic.LabelFontSmall(), colours::Ink, colours::PanelGrey);
    }
}

TEST_F(ConstellationColours, MerIsLargeAndRed) {
    expectLabel(1014, w.logic.LabelFontLarge(), colours::Red, colours::PanelGrey);
}

TEST_F(ConstellationColours, AxisLettersAreWhiteOnInk) {
    expectLabel(1034, w.logic.LabelFontSmall(), colours::White, colours::Ink);
    expectLabel(1035, w.logic.LabelFontSmall(), colours::White, colours::Ink);
}

TEST_F(ConstellationColours, SoftKeyCaptionsAreInkOnFrameGrey) {
    for (int id : {1036, 1046, 1047}) {
        expectLabel(id, w.logic.LabelFontSmall(), colours::Ink, colours::FrameGrey);
    }
}

TEST_F(ConstellationColours, OtherControlsGetTheDefaultAnswer) {
    for (int id : {1017, 1038, 1048, 1005, ids::SidePanelLabel}) {
        DeviceContext dc;
        dc.font = &kSentinelFont;
        EXPECT_EQ(w.logic.OnCtlColor(dc, id)->color(), colours::DialogFace) << id;
        EXPECT_EQ(dc.font, &kSentinelFont) << id;
    }
}

TEST_F(ConstellationColours, EveryQueryDrawsTheWholePlot) {
    QImage& image = w.logic.compositor().image();
    image.fill(Qt::black);
    DeviceContext dc;
    w.logic.OnCtlColor(dc, 1021);
    EXPECT_EQ(w.pixel(530, 100), qRgb(255, 255, 255));
    EXPECT_EQ(w.pixel(530, 260), qRgb(255, 0, 0));
    EXPECT_EQ(w.pixel(100, 108), colours::FrameGrey.rgb());
    EXPECT_EQ(w.pixel(200, 365), qRgb(255, 255, 255));
    image.fill(Qt::black);
    w.logic.OnCtlColor(dc, ids::Title);
    EXPECT_EQ(w.pixel(530, 100), qRgb(0, 0, 0));
}

}  // namespace
}  // namespace mirelta::testing
