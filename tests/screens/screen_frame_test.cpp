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

TEST(ScreenFrame, PaintsTitleBarBottomBarAndGreyAreaToTheirEdges) {
    WindowHarness w;
    ASSERT_TRUE(w.open(fixtures::ImageBuilder()));
    w.chooseScreen(2);  // the spectrum frame leaves the left edge of the grey area free
    EXPECT_EQ(w.pixel(0, 0), rgb(colours::TitleTeal));
    EXPECT_EQ(w.pixel(300, 47), rgb(colours::TitleTeal));
    EXPECT_EQ(w.pixel(2, 439), rgb(colours::PanelGrey));
    EXPECT_EQ(w.pixel(2, 440), rgb(colours::FrameGrey));
    EXPECT_EQ(w.pixel(719, 479), rgb(colours::FrameGrey));
    EXPECT_EQ(w.pixel(2, 200), rgb(colours::PanelGrey));
    // The title's text is white on the teal bar.
    bool whiteText = false;
    for (int x = 0; x < 720 && !whiteText; ++x) {
        for (int y = 0; y < 48 && !whiteText; ++y) {
            whiteText = w.pixel(x, y) == rgb(colours::White);
        }
    }
    EXPECT_TRUE(whiteText);
    EXPECT_TRUE(w.prompts.messages.empty());
}

TEST(ControlBrushes, StayBoundedOverManyRepaints) {
    WindowHarness w;
    fixtures::ImageBuilder image;
    image.addFind(0, fixtures::FindFields{.strength = 50, .lockFlag = 1});
    image.addFind(1, fixtures::FindFields{.strength = 10});
    ASSERT_TRUE(w.open(image));
    const std::size_t afterFirst = w.document.brushCount();
    for (int n = 0; n < 300; ++n) {
        w.pickFind(n % 2);
        w.document.repaint();
    }
    w.chooseScreen(1);
    w.chooseScreen(2);
    w.document.repaint();
    EXPECT_GT(afterFirst, 0u);
    EXPECT_LE(w.document.brushCount(), 8u);
}

}  // namespace
}  // namespace mirelta::testing
