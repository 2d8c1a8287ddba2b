// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "platform/colours.h"
#include "window_harness.h"

namespace mirelta::testing {
namespace {

constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kBlue = qRgb(0, 0, 255);
constexpr QRgb kPanelGrey = qRgb(190, 190, 190);
constexpr QRgb kFrameGrey = qRgb(160, 160, 160);

constexpr int kStrengthRow = 365;
constexpr int kQualityRow = 415;

// Left edges of the red runs along one row of the bar area.
std::vector<int> RedRunStarts(const WindowHarness& w, int y) {
    std::vector<int> starts;
    bool inside = false;
    for (int x = 195; x < 720; ++x) {
        const bool red = w.pixel(x, y) == kRed;
        if (red && !inside) {
            starts.push_back(x);
        }
        inside = red;
    }
    return starts;
}

void OpenWithBars(WindowHarness& w, std::uint8_t strength, std::uint8_t quality) {
    fixtures::ImageBuilder image;
    image.addFind(0, {.quality = quality, .strength = strength});
    ASSERT_TRUE(w.open(image));
}

TEST(FindGraphics, SeparatorsAndBlueLines) {
    WindowHarness w;
    ASSERT_TRUE(w.open(fixtures::ImageBuilder()));
    for (int y = 94; y < 339; y += 35) {
        EXPECT_EQ(w.pixel(30, y - 2), kFrameGrey) << y;
        EXPECT_EQ(w.pixel(489, y - 1), kFrameGrey) << y;
        EXPECT_EQ(w.pixel(29, y - 1), kPanelGrey) << y;
        EXPECT_EQ(w.pixel(490, y - 1), kPanelGrey) << y;
        EXPECT_EQ(w.pixel(100, y), kPanelGrey) << y;
        EXPECT_EQ(w.pixel(100, y - 3), kPanelGrey) << y;
    }
    EXPECT_EQ(w.pixel(200, 339 - 2), kPanelGrey);  // no eighth separator
    for (int x : {0, 300, 719}) {
        EXPECT_EQ(w.pixel(x, 48), kBlue) << x;
        EXPECT_EQ(w.pixel(x, 49), kBlue) << x;
        EXPECT_EQ(w.pixel(x, 340), kBlue) << x;
        EXPECT_EQ(w.pixel(x, 341), kBlue) << x;
    }
    EXPECT_EQ(w.pixel(300, 342), kPanelGrey);
    EXPECT_EQ(w.pixel(300, 47), colours::TitleTeal.rgb());
}

TEST(FindGraphics, EmptyFramesAreWhiteInsideTheirOutline) {
    WindowHarness w;
    OpenWithBars(w, 0, 0);
    for (int y : {350, kStrengthRow, 379, 400, kQualityRow, 429}) {
        EXPECT_EQ(w.pixel(390, y), kWhite) << y;
    }
    EXPECT_EQ(w.pixel(200, kStrengthRow), kWhite);
    EXPECT_EQ(w.pixel(579, kStrengthRow), kWhite);
    EXPECT_EQ(w.pixel(580, kStrengthRow), kPanelGrey);
    EXPECT_EQ(w.pixel(199, kQualityRow), kPanelGrey);
    EXPECT_EQ(w.pixel(390, 380), kPanelGrey);
    EXPECT_EQ(w.pixel(390, 349), kPanelGrey);
    EXPECT_TRUE(RedRunStarts(w, kStrengthRow).empty());
    EXPECT_TRUE(RedRunStarts(w, kQualityRow).empty());
}

TEST(FindGraphics, OneSegmentPerFullTenPercent) {
    struct Case {
        std::uint8_t value;
        int segments;
    };
    for (const Case& c : {Case{9, 0}, Case{10, 1}, Case{55, 5}, Case{100, 10}, Case{120, 12}}) {
        WindowHarness w;
        OpenWithBars(w, c.value, 0);
        const std::vector<int> starts = RedRunStarts(w, kStrengthRow);
        ASSERT_EQ(starts.size(), static_cast<std::size_t>(c.segments)) << int(c.value);
        for (int k = 0; k < c.segments; ++k) {
            EXPECT_EQ(starts[k], 205 + 35 * k) << int(c.value);
        }
        EXPECT_TRUE(RedRunStarts(w, kQualityRow).empty());
    }
}

TEST(FindGraphics, FirstSegmentCoversItsRectangleExactly) {
    WindowHarness w;
    OpenWithBars(w, 10, 10);
    for (int top : {350, 400}) {
        EXPECT_EQ(w.pixel(205, top), kRed);
        EXPECT_EQ(w.pixel(234, top + 29), kRed);
        EXPECT_EQ(w.pixel(204, top + 15), kWhite);
        EXPECT_EQ(w.pixel(235, top + 15), kWhite);
        EXPECT_EQ(w.pixel(220, top + 30), kPanelGrey);
    }
}

TEST(FindGraphics, HundredPercentEndsInsideTheFrame) {
    WindowHarness w;
    OpenWithBars(w, 100, 0);
    EXPECT_EQ(w.pixel(520, 350), kRed);
    EXPECT_EQ(w.pixel(549, 379), kRed);
    EXPECT_EQ(w.pixel(550, kStrengthRow), kWhite);
    EXPECT_EQ(w.pixel(517, kStrengthRow), kWhite);  // gap before the last segment
}

TEST(FindGraphics, SegmentsPastTheFrameAreStillDrawn) {
    WindowHarness w;
    OpenWithBars(w, 120, 120);
    EXPECT_EQ(w.pixel(590, 350), kRed);
    EXPECT_EQ(w.pixel(619, 379), kRed);
    EXPECT_EQ(w.pixel(605, kStrengthRow), kRed);
    EXPECT_EQ(w.pixel(589, kStrengthRow), kPanelGrey);
    EXPECT_EQ(w.pixel(605, 349), kPanelGrey);
    EXPECT_EQ(w.pixel(605, 380), kPanelGrey);
    EXPECT_EQ(w.pixel(620, 350), kPanelGrey);
    EXPECT_EQ(w.pixel(619, 429), kRed);
    EXPECT_EQ(w.pixel(605, 430), kPanelGrey);
    EXPECT_EQ(w.text(1055), "120 %");  // the texts are not capped either
}

TEST(FindGraphics, StrengthIsTheUpperBarAndQualityTheLower) {
    WindowHarness w;
    OpenWithBars(w, 30, 70);
    EXPECT_EQ(RedRunStarts(w, kStrengthRow).size(), 3u);
    EXPECT_EQ(RedRunStarts(w, kQualityRow).size(), 7u);
    EXPECT_EQ(w.text(1055), "30 %");
    EXPECT_EQ(w.text(1057), "70 %");
}

TEST(FindGraphics, PickingAWeakerRecordWipesTheExtraSegments) {
    WindowHarness w;
    fixtures::ImageBuilder image;
    image.addFind(0, {.quality = 90, .strength = 80});
    image.addFind(1, {.quality = 10, .strength = 30});
    ASSERT_TRUE(w.open(image));
    ASSERT_EQ(RedRunStarts(w, kStrengthRow).size(), 8u);
    w.pickFind(1);
    EXPECT_EQ(RedRunStarts(w, kStrengthRow), (std::vector<int>{205, 240, 275}));
    EXPECT_EQ(RedRunStarts(w, kQualityRow), (std::vector<int>{205}));
    EXPECT_EQ(w.pixel(320, kStrengthRow), kWhite);
    EXPECT_EQ(w.pixel(470, kStrengthRow), kWhite);
}

}  // namespace
}  // namespace mirelta::testing
