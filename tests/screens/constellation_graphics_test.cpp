// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "constellation_test_support.h"
#include "platform/colours.h"

namespace mirelta::testing {
namespace {

constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kBlue = qRgb(0, 0, 255);
constexpr QRgb kPanelGrey = qRgb(190, 190, 190);
constexpr QRgb kFrameGrey = qRgb(160, 160, 160);
constexpr QRgb kInk = qRgb(8, 8, 8);
constexpr QRgb kHighlightBlue = qRgb(57, 165, 214);

constexpr int kQualityRow = 365;
constexpr int kStrengthRow = 415;

// Left and right edges of the HighlightBlue runs along one row.
std::vector<std::pair<int, int>> BarRuns(const WindowHarness& w, int y) {
    std::vector<std::pair<int, int>> runs;
    for (int x = 130; x < 350; ++x) {
        if (w.pixel(x, y) != kHighlightBlue) {
            continue;
        }
        if (!runs.empty() && runs.back().second == x - 1) {
            runs.back().second = x;
        } else {
            runs.push_back({x, x});
        }
    }
    return runs;
}

TEST(ConstellationGraphics, SeparatorsTitleLineAndAxes) {
    WindowHarness w;
    OpenConstellation(w, AllSamples(45, 45));  // keep the points off the axes
    for (int y : {108, 148, 188, 258, 338}) {
        EXPECT_EQ(w.pixel(30, y), kFrameGrey) << y;
        EXPECT_EQ(w.pixel(329, y + 1), kFrameGrey) << y;
        EXPECT_EQ(w.pixel(330, y), kPanelGrey) << y;
        EXPECT_EQ(w.pixel(29, y), kPanelGrey) << y;
        EXPECT_EQ(w.pixel(200, y + 2), kPanelGrey) << y;
    }
    EXPECT_EQ(w.pixel(0, 48), kBlue);
    EXPECT_EQ(w.pixel(719, 49), kBlue);
    for (int y : {60, 260, 439}) {
        EXPECT_EQ(w.pixel(529, y), kWhite) << y;
        EXPECT_EQ(w.pixel(530, y), kWhite) << y;
        EXPECT_EQ(w.pixel(528, y), kInk) << y;
        EXPECT_EQ(w.pixel(531, y), kInk) << y;
    }
    EXPECT_EQ(w.pixel(529, 59), kInk);
    for (int x : {350, 600, 709}) {
        EXPECT_EQ(w.pixel(x, 249), kWhite) << x;
        EXPECT_EQ(w.pixel(x, 250), kWhite) << x;
        EXPECT_EQ(w.pixel(x, 248), kInk) << x;
        EXPECT_EQ(w.pixel(x, 251), kInk) << x;
    }
    EXPECT_EQ(w.pixel(710, 249), kInk);
}

TEST(ConstellationGraphics, AllZeroRecordPutsEverySampleOnOnePixel) {
    WindowHarness w;
    ASSERT_TRUE(w.open(fixtures::ImageBuilder()));
    w.chooseScreen(1);
    EXPECT_EQ(RedPlotPixels(w), (std::set<std::pair<int, int>>{{530, 260}}));
    EXPECT_TRUE(BarRuns(w, kQualityRow).empty());
    EXPECT_TRUE(BarRuns(w, kStrengthRow).empty());
    EXPECT_EQ(w.pixel(200, kQualityRow), kWhite);
    EXPECT_EQ(w.pixel(200, kStrengthRow), kWhite);
}

TEST(ConstellationGraphics, SamplePositionsAndTheSkippedOnes) {
    struct Case {
        std::int8_t iByte, qByte;
        std::set<std::pair<int, int>> expected;
    };
    const Case cases[] = {
        {0, 0, {{530, 260}}},
        {45, 45, {{710, 80}}},
        {-45 + 128, -45 + 128, {{350, 440}}},  // stored 7-bit: 83 reads -45
        {10, -10 + 128, {{570, 300}}},
        {46, 0, {}},
        {0, 46, {}},
        {127, 0, {{526, 260}}},  // 127 reads -1
        {64, 0, {}},             // 64 reads -64
        {-128, 0, {}},
        {-45, 0, {{350, 260}}},  // already negative: taken as it is
        {-46, 0, {}},
    };
    for (const Case& c : cases) {
        WindowHarness w;
        OpenConstellation(w, AllSamples(c.iByte, c.qByte));
        EXPECT_EQ(RedPlotPixels(w), c.expected) << int(c.iByte) << "," << int(c.qByte);
    }
}

TEST(ConstellationGraphics, PointsCoverTheAxesWhereTheyFall) {
    WindowHarness w;
    fixtures::ConstellationFields fields;
    fields.i[0] = 0;  // (530, 260) lies on the vertical axis
    fields.q[0] = 0;
    fields.i[1] = 5;
    fields.q[1] = 3;  // (550, 248): one row above the horizontal axis
    OpenConstellation(w, fields);
    EXPECT_EQ(w.pixel(530, 260), qRgb(255, 0, 0));
    EXPECT_EQ(w.pixel(529, 260), kWhite);
    EXPECT_EQ(w.pixel(550, 248), qRgb(255, 0, 0));
}

TEST(ConstellationGraphics, SamplesAreConvertedOnceInTheWorkingRecordOnly) {
    WindowHarness w;
    fixtures::ConstellationFields fields;
    fields.i[0] = 127;
    fields.q[0] = 64;
    fields.i[1] = 63;
    fields.q[1] = -128;
    fields.i[999] = 100;
    fields.q[999] = 90;
    OpenConstellation(w, fields);
    const QImage first = w.document.clientImage();
    const ConstellationRecord& r = w.document.lists().constellation[0];
    EXPECT_EQ(r.sampleI(0), -1);
    EXPECT_EQ(r.sampleQ(0), -64);
    EXPECT_EQ(r.sampleI(1), 63);
    EXPECT_EQ(r.sampleQ(1), -128);
    EXPECT_EQ(r.sampleI(999), -28);
    EXPECT_EQ(r.sampleQ(999), -38);
    // The file's bytes as loaded stay as they were read.
    const auto slot = w.document.image()->constellationSlot(0);
    EXPECT_EQ(slot[57], 127);
    EXPECT_EQ(slot[1057], 64);

    w.document.repaint();
    w.document.repaint();
    EXPECT_EQ(w.document.clientImage(), first);
    EXPECT_EQ(r.sampleI(0), -1);
    EXPECT_EQ(r.sampleQ(999), -38);
    EXPECT_TRUE(RedPlotPixels(w).count({418, 412}) == 1);  // (-28, -38)
}

TEST(ConstellationGraphics, OneBarPerFullTwentyPercentWithoutCap) {
    struct Case {
        std::uint16_t value;
        int bars;
    };
    for (const Case& c :
         {Case{100, 5}, Case{99, 4}, Case{19, 0}, Case{20, 1}, Case{120, 6}, Case{140, 7}}) {
        WindowHarness w;
        OpenConstellation(w, {.quality = c.value, .strength = 0});
        const auto runs = BarRuns(w, kQualityRow);
        ASSERT_EQ(runs.size(), static_cast<std::size_t>(c.bars)) << c.value;
        for (int i = 0; i < c.bars; ++i) {
            EXPECT_EQ(runs[i], (std::pair<int, int>{142 + 20 * i, 159 + 20 * i})) << c.value;
        }
        EXPECT_TRUE(BarRuns(w, kStrengthRow).empty()) << c.value;
    }
}

TEST(ConstellationGraphics, BarsFillTheirRowsExactly) {
    WindowHarness w;
    OpenConstellation(w, {.quality = 100, .strength = 120});
    EXPECT_EQ(w.pixel(222, 355), kHighlightBlue);
    EXPECT_EQ(w.pixel(239, 374), kHighlightBlue);
    EXPECT_EQ(w.pixel(240, kQualityRow), kWhite);
    EXPECT_EQ(w.pixel(230, 375), kPanelGrey);
    EXPECT_EQ(w.pixel(259, 405), kHighlightBlue);  // the sixth ends at the box's right edge
    EXPECT_EQ(w.pixel(259, 424), kHighlightBlue);
    EXPECT_EQ(w.pixel(260, kStrengthRow), kPanelGrey);
    EXPECT_EQ(BarRuns(w, kStrengthRow).size(), 6u);
    EXPECT_EQ(BarRuns(w, kQualityRow).size(), 5u);
}

TEST(ConstellationGraphics, EmptyBoxesAreWhite) {
    WindowHarness w;
    OpenConstellation(w, {});
    for (int y : {355, kQualityRow, 374, 405, kStrengthRow, 424}) {
        EXPECT_EQ(w.pixel(200, y), kWhite) << y;
    }
    EXPECT_EQ(w.pixel(140, kQualityRow), kWhite);
    EXPECT_EQ(w.pixel(259, kStrengthRow), kWhite);
    EXPECT_EQ(w.pixel(139, kQualityRow), kPanelGrey);
    EXPECT_EQ(w.pixel(200, 354), kPanelGrey);
    EXPECT_EQ(w.pixel(200, 425), kPanelGrey);
}

}  // namespace
}  // namespace mirelta::testing
