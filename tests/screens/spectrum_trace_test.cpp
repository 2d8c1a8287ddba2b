// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "platform/window_template.h"
#include "screens/spectrum_plot.h"
#include "window_harness.h"

namespace mirelta::testing {
namespace {

constexpr int kSpectrumEntry = 2;
const QRgb kGreen = qRgb(0, 255, 0);
const QRgb kInk = qRgb(8, 8, 8);

fixtures::SpectrumFields Sweep(std::int32_t left, std::int32_t right, std::int8_t level) {
    fixtures::SpectrumFields fields;
    fields.label = "Sweep";
    fields.leftFrequency = left;
    fields.cursorFrequency = 1234;
    fields.rightFrequency = right;
    fields.cursorLevel = 57;
    fields.levels.fill(level);
    return fields;
}

// Counts the plot's pixels that are neither Ink nor green.
int ForeignPlotPixels(const WindowHarness& w) {
    int count = 0;
    for (int y = 60; y < 340; ++y) {
        for (int x = 75; x < 695; ++x) {
            const QRgb p = w.pixel(x, y);
            count += (p != kInk && p != kGreen) ? 1 : 0;
        }
    }
    return count;
}

int GreenPlotPixels(const WindowHarness& w) {
    int count = 0;
    for (int y = 60; y < 340; ++y) {
        for (int x = 75; x < 695; ++x) {
            count += w.pixel(x, y) == kGreen ? 1 : 0;
        }
    }
    return count;
}

TEST(SpectrumPitch, FollowsTheEdgeDistanceInSweepSteps) {
    using spectrum_plot::PointPitch;
    struct Case {
        std::int32_t left, right;
        std::int16_t step;
        std::uint32_t pitch;
    };
    const Case cases[] = {
        {2150, 950, 8, 4},   // 1200 / 8 = 150 -> 620 / 150
        {1150, 950, 8, 24},  // 200 / 8 = 25
        {958, 950, 8, 620},   {965, 950, 8, 620},      {950 + 4967, 950, 8, 1},
        {-3000, -4200, 8, 4}, {1600, 1400, 2, 6},  // 200 MHz span: 100 steps cover the axis
        {1750, 1350, 4, 6},                        // 400 MHz span
        {952, 950, 2, 620},   {950 + 1241, 950, 2, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PointPitch(c.left, c.right, c.step), c.pitch) << c.left << " " << c.right;
    }
}

TEST(SpectrumPitch, EdgesWithoutAUsablePitchGiveNone) {
    using spectrum_plot::PointPitch;
    EXPECT_FALSE(PointPitch(0, 0, 8));
    EXPECT_FALSE(PointPitch(950, 950, 8));
    EXPECT_FALSE(PointPitch(957, 950, 8));
    EXPECT_FALSE(PointPitch(951, 950, 2));
    EXPECT_FALSE(PointPitch(950 + 4968, 950, 8));
    EXPECT_FALSE(PointPitch(950 + 1242, 950, 2));
    EXPECT_FALSE(PointPitch(950, 2150, 8));  // right edge above the left one
    EXPECT_FALSE(PointPitch(INT32_MIN, INT32_MAX, 8));
}

TEST(SpectrumPoints, PitchFourPutsAllPointsFrom75To671) {
    SpectrumRecord record;
    const auto points = spectrum_plot::TracePoints(record, 4, 40);
    for (int i = 0; i < 150; ++i) {
        EXPECT_EQ(points[i], QPoint(75 + 4 * i, 340)) << "point " << i;
    }
}

TEST(SpectrumPoints, PointsPastTheRightEdgeCollapseOntoTheCorner) {
    SpectrumRecord record;
    record.bytes.fill(70);  // every level 70, whatever the other fields say
    const auto points = spectrum_plot::TracePoints(record, 24, 40);
    EXPECT_EQ(points[0], QPoint(75, 60));
    EXPECT_EQ(points[24], QPoint(651, 60));
    for (int i = 25; i < 150; ++i) {
        EXPECT_EQ(points[i], QPoint(695, 340)) << "point " << i;
    }
    const auto widest = spectrum_plot::TracePoints(record, 620, 40);
    EXPECT_EQ(widest[0], QPoint(75, 60));
    EXPECT_EQ(widest[1], QPoint(695, 340));
    EXPECT_EQ(widest[149], QPoint(695, 340));
}

TEST(SpectrumLevels, MapThirtyDecibelsOntoThePlotHeight) {
    using spectrum_plot::LevelToY;
    const std::vector<std::pair<int, int>> cases{{40, 340}, {41, 331},  {42, 322}, {55, 200},
                                                 {69, 70},  {70, 60},   {71, 60},  {39, 340},
                                                 {0, 340},  {-20, 340}, {127, 60}};
    for (const auto& [level, y] : cases) {
        EXPECT_EQ(LevelToY(level, 40), y) << "level " << level;
    }
    EXPECT_EQ(LevelToY(0, 0), 340);
    EXPECT_EQ(LevelToY(1, 0), 331);
    EXPECT_EQ(LevelToY(0, 70), 340);
    EXPECT_EQ(LevelToY(85, 70), 200);
}

TEST(SpectrumLevels, GreenReachesUpToTheLevelsRow) {
    const std::vector<std::pair<std::int8_t, int>> cases{{40, 340}, {41, 331}, {42, 322},
                                                         {55, 200}, {69, 70},  {70, 60},
                                                         {71, 60},  {39, 340}, {0, 340}};
    fixtures::ImageBuilder image;
    for (int n = 0; n < static_cast<int>(cases.size()); ++n) {
        image.addSpectrum(n, Sweep(2150, 950, cases[n].first));
    }
    WindowHarness w;
    ASSERT_TRUE(w.open(image));
    w.chooseScreen(kSpectrumEntry);
    const int x = 75 + 4 * 10;  // the column of sweep point 10
    for (int n = 0; n < static_cast<int>(cases.size()); ++n) {
        w.pickSpectrum(n);
        const auto [level, y] = cases[n];
        if (y < 340) {
            EXPECT_EQ(w.pixel(x, y), kGreen) << "level " << int(level);
        } else {
            EXPECT_EQ(w.pixel(x, 339), kInk) << "level " << int(level);
        }
        if (y > 60) {
            EXPECT_EQ(w.pixel(x, y - 1), kInk) << "level " << int(level);
        } else {
            EXPECT_EQ(w.pixel(x, 60), kGreen) << "level " << int(level);
        }
    }
}

TEST(SpectrumTrace, PitchFourClosesThePolygonsAt671) {
    WindowHarness w;
    ASSERT_TRUE(w.open(fixtures::ImageBuilder().addSpectrum(0, Sweep(2150, 950, 70))));
    w.chooseScreen(kSpectrumEntry);
    for (int y : {60, 200, 339}) {
        EXPECT_EQ(w.pixel(75, y), kGreen) << "row " << y;
        EXPECT_EQ(w.pixel(670, y), kGreen) << "row " << y;
        for (int x = 671; x < 695; ++x) {
            EXPECT_EQ(w.pixel(x, y), kInk) << "column " << x << " row " << y;
        }
    }
    EXPECT_EQ(ForeignPlotPixels(w), 0);
}

TEST(SpectrumTrace, SweepPointsStandFourPixelsApart) {
    // Levels step from the window's bottom to its top at point j: green starts at x of j.
    const int steps[] = {1, 50, 148};
    fixtures::ImageBuilder image;
    for (int n = 0; n < 3; ++n) {
        fixtures::SpectrumFields fields = Sweep(2150, 950, 40);
        for (int i = steps[n]; i < 150; ++i) {
            fields.levels[i] = 70;
        }
        image.addSpectrum(n, fields);
    }
    WindowHarness w;
    ASSERT_TRUE(w.open(image));
    w.chooseScreen(kSpectrumEntry);
    for (int n = 0; n < 3; ++n) {
        w.pickSpectrum(n);
        const int x = 75 + 4 * steps[n];
        EXPECT_EQ(w.pixel(x, 60), kGreen) << "step at point " << steps[n];
        EXPECT_EQ(w.pixel(x - 1, 60), kInk) << "step at point " << steps[n];
        EXPECT_EQ(w.pixel(670, 60), kGreen) << "step at point " << steps[n];
        EXPECT_EQ(w.pixel(671, 60), kInk) << "step at point " << steps[n];
    }
}

TEST(SpectrumTrace, CollapsedPointsRunTheTraceDownToTheCorner) {
    WindowHarness w;
    ASSERT_TRUE(w.open(fixtures::ImageBuilder().addSpectrum(0, Sweep(1150, 950, 70))));
    w.chooseScreen(kSpectrumEntry);
    EXPECT_EQ(w.pixel(75, 60), kGreen);
    EXPECT_EQ(w.pixel(650, 60), kGreen);
    EXPECT_EQ(w.pixel(651, 60), kInk);  // the slope from (651, 60) to (695, 340) starts here
    EXPECT_EQ(w.pixel(694, 339), kGreen);
    EXPECT_EQ(w.pixel(694, 60), kInk);
    EXPECT_EQ(ForeignPlotPixels(w), 0);
}

TEST(SpectrumTrace, ANewlyPickedRecordsTraceAppearsAtOnce) {
    fixtures::ImageBuilder image;
    image.addSpectrum(0, Sweep(2150, 950, 70));
    image.addSpectrum(1, Sweep(2150, 950, 40));
    WindowHarness w;
    ASSERT_TRUE(w.open(image));
    w.chooseScreen(kSpectrumEntry);
    EXPECT_EQ(w.pixel(300, 200), kGreen);
    w.pickSpectrum(1);
    EXPECT_EQ(w.pixel(300, 200), kInk);
    EXPECT_EQ(GreenPlotPixels(w), 0);
    w.pickSpectrum(0);
    EXPECT_EQ(w.pixel(300, 200), kGreen);
}

TEST(SpectrumTrace, RedrawCoversWhateverLayInThePlot) {
    WindowHarness w;
    ASSERT_TRUE(w.open(fixtures::ImageBuilder().addSpectrum(0, Sweep(2150, 950, 55))));
    w.chooseScreen(kSpectrumEntry);
    const QImage drawn = w.document.clientImage();
    w.document.TrackCursor(QPoint(300, 200));
    w.document.RedrawTrace();
    ASSERT_NE(w.document.clientImage(), drawn);
    // Off the plot again, the redraw leaves no trace of the cross-hair.
    w.document.TrackCursor(QPoint(10, 10));
    w.document.RedrawTrace();
    EXPECT_EQ(w.document.clientImage(), drawn);
}

// Edges with no usable pitch: the plot stays an empty Ink panel, whatever the levels say.
TEST(SpectrumNoPitch, RecordsWithoutAPitchShowAnEmptyPlot) {
    const std::vector<std::pair<std::int32_t, std::int32_t>> edges{
        {950, 950}, {957, 950}, {950, 2150}, {950 + 4968, 950}, {0, 0}};
    fixtures::ImageBuilder image;
    image.addSpectrum(0, Sweep(2150, 950, 70));
    for (int n = 0; n < static_cast<int>(edges.size()); ++n) {
        image.addSpectrum(n + 1, Sweep(edges[n].first, edges[n].second, 70));
    }
    WindowHarness w;
    ASSERT_TRUE(w.open(image));
    w.chooseScreen(kSpectrumEntry);
    ASSERT_GT(GreenPlotPixels(w), 0);
    for (int n = 0; n < static_cast<int>(edges.size()); ++n) {
        w.pickSpectrum(n + 1);
        EXPECT_EQ(GreenPlotPixels(w), 0) << "edges " << edges[n].first << "/" << edges[n].second;
        EXPECT_EQ(ForeignPlotPixels(w), 0) << "edges " << edges[n].first << "/" << edges[n].second;
        EXPECT_TRUE(w.prompts.messages.empty());
    }
}

TEST(SpectrumNoPitch, AFileWithoutSpectraShowsTheEmptyPlot) {
    WindowHarness w;
    ASSERT_TRUE(w.open(fixtures::ImageBuilder()));
    w.chooseScreen(kSpectrumEntry);
    EXPECT_EQ(GreenPlotPixels(w), 0);
    EXPECT_EQ(ForeignPlotPixels(w), 0);
    EXPECT_EQ(w.pixel(5, 48), qRgb(0, 0, 255));  // the rest of the drawing still happens
}

}  // namespace
}  // namespace mirelta::testing
