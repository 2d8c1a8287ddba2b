// SPDX-License-Identifier: GPL-3.0-or-later
// The sweep plot's reading under the pointer and its trace around points without a level.
#include "report/sweep_plot.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>

namespace mirelta {
namespace {

const QRectF kArea(0, 0, 600, 300);

analysis::SpectrumAnalysis SweepOf(const std::vector<int>& levels) {
    analysis::SpectrumAnalysis analysis;
    analysis.sweep.freqStep = 8;
    for (std::size_t k = 0; k < levels.size(); ++k) {
        analysis.sweep.points.push_back({2000.0 - 8.0 * static_cast<double>(k), levels[k]});
    }
    return analysis;
}

// Pixels of the trace's colour (not grey, not white) in columns `fromX` to `toX` of the frame.
int TracePixels(const QImage& image, const QRectF& frame, double fromX, double toX) {
    int count = 0;
    for (int x = static_cast<int>(std::ceil(fromX)); x <= static_cast<int>(toX); ++x) {
        for (int y = static_cast<int>(frame.top()) + 1; y < static_cast<int>(frame.bottom()); ++y) {
            const QColor c = image.pixelColor(x, y);
            count += std::abs(c.blue() - c.red()) > 60 ? 1 : 0;
        }
    }
    return count;
}

TEST(SweepPlot, ReadsTheNearestPointUnderThePointer) {
    const auto analysis = SweepOf({40, 0, 50, 60, 45});
    const SweepPlot plot(analysis, std::nullopt, kArea);
    const QRectF frame = plot.frame();
    struct Case {
        double fraction;  // across the frame
        int point;
        double pointMHz;
        int level;
    };
    for (const Case c : {Case{0, 0, 2000, 40}, Case{0.3, 1, 1992, 0}, Case{0.6, 2, 1984, 50},
                         Case{1, 4, 1968, 45}}) {
        const auto reading =
            plot.readingAt({frame.left() + c.fraction * frame.width(), frame.center().y()});
        ASSERT_TRUE(reading) << c.fraction;
        EXPECT_EQ(reading->point, c.point) << c.fraction;
        EXPECT_EQ(reading->pointMHz, c.pointMHz) << c.fraction;
        EXPECT_EQ(reading->level, c.level) << c.fraction;
        EXPECT_NEAR(reading->frequencyMHz, 2000 - c.fraction * 32, 1e-9);
    }
    EXPECT_FALSE(plot.readingAt({frame.left() - 1, frame.center().y()}));
    EXPECT_FALSE(plot.readingAt({frame.center().x(), frame.bottom() + 1}));
}

// Nothing to plot reads nothing; one point spans no frequency and still reads.
TEST(SweepPlot, SweepsWithoutAFrequencySpanOrLevels) {
    struct Case {
        std::vector<int> levels;
        bool reads;
    };
    for (const Case& c : {Case{{}, false}, Case{{0, 0, 0}, false}, Case{{52}, true}}) {
        const auto analysis = SweepOf(c.levels);
        const SweepPlot plot(analysis, 9750.0, kArea);
        QImage image(kArea.size().toSize(), QImage::Format_RGB32);
        QPainter painter(&image);
        plot.paint(painter);
        plot.paintCursor(painter, 0);
        const auto reading = plot.readingAt(plot.frame().center());
        ASSERT_EQ(reading.has_value(), c.reads) << c.levels.size() << " points";
        if (reading) {
            EXPECT_EQ(reading->point, 0);
            EXPECT_EQ(reading->level, 52);
        }
    }
}

// A point without a level breaks the trace: no line runs from its neighbours to 0 dBuV.
TEST(SweepPlot, PointWithoutLevelBreaksTheTrace) {
    const auto analysis = SweepOf({40, 0, 50, 60, 45});
    const SweepPlot plot(analysis, std::nullopt, kArea);
    QImage image(kArea.size().toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    plot.paint(painter);
    painter.end();
    const QRectF frame = plot.frame();
    const double pointWidth = frame.width() / 4;
    const double pen = 4;  // clear of the line's round ends
    EXPECT_EQ(TracePixels(image, frame, frame.left() + pen, frame.left() + 2 * pointWidth - pen),
              0);
    EXPECT_GT(TracePixels(image, frame, frame.left() + 2 * pointWidth + pen,
                          frame.left() + 3 * pointWidth - pen),
              0);
}

}  // namespace
}  // namespace mirelta
