// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/window_template.h"
#include "window_harness.h"

namespace mirelta::testing {
namespace {

constexpr int kSpectrumEntry = 2;
constexpr int kFindEntry = 0;
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kGreen = qRgb(0, 255, 0);

// Levels 50 + i % 20, so every sweep point's level says where it came from.
fixtures::SpectrumFields Sweep(std::int32_t left, std::int32_t right, std::uint8_t span = 0) {
    fixtures::SpectrumFields fields;
    fields.label = "Sweep";
    fields.leftFrequency = left;
    fields.cursorFrequency = 1234;
    fields.rightFrequency = right;
    fields.cursorLevel = 57;
    fields.spanCode = span;
    for (int i = 0; i < 150; ++i) {
        fields.levels[i] = static_cast<std::int8_t>(50 + i % 20);
    }
    return fields;
}

// Red pixels on and around the plot (the icons elsewhere have red of their own).
int RedPixels(const WindowHarness& w) {
    int count = 0;
    for (int y = 50; y < 345; ++y) {
        for (int x = 75; x < 700; ++x) {
            count += w.pixel(x, y) == kRed ? 1 : 0;
        }
    }
    return count;
}

// The saved cursor frequency in the loaded image, which the read-out must never touch.
std::int32_t SavedCursorFrequency(const WindowHarness& w, int slot) {
    const auto bytes = w.document.image()->spectrumSlot(slot);
    return static_cast<std::int32_t>(bytes[32] | bytes[33] << 8 | bytes[34] << 16 |
                                     static_cast<std::uint32_t>(bytes[35]) << 24);
}

const SpectrumRecord& Selected(const WindowHarness& w) {
    const RecordLists& lists = w.document.lists();
    return lists.spectrum[lists.selectedSpectrum % lists.spectrum.size()];
}

class SpectrumCursor : public ::testing::Test {
  protected:
    void SetUp() override {
        fixtures::ImageBuilder image;
        image.addSpectrum(0, Sweep(2150, 950));
        image.addSpectrum(1, Sweep(1150, 950, 1));
        ASSERT_TRUE(w.open(image));
        QObject::connect(&w.document, &Document::toolTipText,
                         [this](const QString& text) { tips.push_back(text.toStdString()); });
        w.chooseScreen(kSpectrumEntry);
    }

    void pointAt(int x, int y) {
        w.document.TrackCursor(QPoint(x, y));
        w.document.RedrawTrace();
    }

    WindowHarness w;
    std::vector<std::string> tips;
};

TEST_F(SpectrumCursor, PointerOnAPlotEdgeGivesNothing) {
    for (const QPoint& edge : {QPoint(75, 200), QPoint(695, 200), QPoint(300, 60), QPoint(300, 340),
                               QPoint(74, 200), QPoint(300, 341)}) {
        pointAt(edge.x(), edge.y());
        EXPECT_EQ(RedPixels(w), 0) << edge.x() << "," << edge.y();
        EXPECT_EQ(Selected(w).cursorFrequency(), 1234);
        EXPECT_EQ(Selected(w).cursorLevel(), 57);
    }
    EXPECT_EQ(w.document.spectrum().toolTipText(), "");
    EXPECT_TRUE(tips.empty());
}

TEST_F(SpectrumCursor, JustInsideTheEdgesDrawsTheCrossHair) {
    pointAt(76, 61);
    EXPECT_EQ(w.pixel(76, 61), kRed);
    EXPECT_EQ(w.pixel(76, 339), kRed);
    pointAt(694, 339);
    EXPECT_EQ(w.pixel(666, 339), kRed);
    EXPECT_EQ(w.pixel(75, 339), kRed);
}

TEST_F(SpectrumCursor, ReadOutAt100By200) {
    pointAt(100, 200);  // k = 25 / 4 = 6
    EXPECT_EQ(Selected(w).cursorFrequency(), 2150 - 6 * 8);
    EXPECT_EQ(Selected(w).cursorLevel(), 56);
    EXPECT_EQ(w.document.spectrum().toolTipText(), "[ 2102MHz : 56 ]");
    EXPECT_EQ(SavedCursorFrequency(w, 0), 1234);
}

TEST_F(SpectrumCursor, CrossHairLinesStopBeforeTheirEnds) {
    pointAt(100, 200);
    EXPECT_EQ(w.pixel(100, 60), kRed);
    EXPECT_EQ(w.pixel(100, 339), kRed);
    EXPECT_NE(w.pixel(100, 340), kRed);
    EXPECT_NE(w.pixel(100, 59), kRed);
    EXPECT_EQ(w.pixel(75, 200), kRed);
    EXPECT_EQ(w.pixel(665, 200), kRed);
    EXPECT_NE(w.pixel(666, 200), kRed);  // x149 - 5, left out
    EXPECT_NE(w.pixel(74, 200), kRed);
    EXPECT_EQ(RedPixels(w), 280 + (666 - 75) - 1);  // one pixel where the lines cross
}

TEST_F(SpectrumCursor, VerticalLineStaysLeftOfTheLastSweepPoint) {
    pointAt(690, 200);
    EXPECT_EQ(w.pixel(666, 100), kRed);
    EXPECT_EQ(w.pixel(666, 339), kRed);
    EXPECT_NE(w.pixel(667, 100), kRed);
    EXPECT_NE(w.pixel(690, 100), kRed);
    EXPECT_EQ(w.pixel(665, 200), kRed);
    EXPECT_NE(w.pixel(667, 200), kRed);
}

TEST_F(SpectrumCursor, IndexPastTheLastSweepPointHoldsThere) {
    pointAt(690, 200);  // (690 - 75) / 4 = 153
    EXPECT_EQ(Selected(w).cursorFrequency(), 2150 - 149 * 8);
    EXPECT_EQ(Selected(w).cursorLevel(), 50 + 149 % 20);
    EXPECT_EQ(w.document.spectrum().toolTipText(), "[ 958MHz : 59 ]");
}

TEST_F(SpectrumCursor, NarrowSpanCoversTheAxisSoTheReadOutReachesItsRightEdge) {
    w.pickSpectrum(1);  // 1150/950 at 2 MHz a point: 100 steps, pitch 6
    pointAt(669, 200);  // point 99
    EXPECT_EQ(Selected(w).cursorFrequency(), 1150 - 99 * 2);
    EXPECT_EQ(Selected(w).cursorLevel(), 50 + 99 % 20);
    pointAt(694, 200);  // right of the last point that fits: the index follows the pointer
    EXPECT_EQ(Selected(w).cursorFrequency(), 1150 - 103 * 2);
    EXPECT_EQ(w.pixel(666, 85), kGreen);  // under points 98 and 99, levels 68 and 69
    EXPECT_EQ(w.pixel(690, 100), kRed);   // x149 is 695 here: the line stops 5 short of it
}

TEST_F(SpectrumCursor, CrossHairFollowsThePointer) {
    pointAt(100, 200);
    pointAt(300, 150);
    EXPECT_EQ(w.pixel(300, 100), kRed);
    EXPECT_EQ(w.pixel(200, 150), kRed);
    EXPECT_NE(w.pixel(100, 100), kRed);
    EXPECT_NE(w.pixel(200, 200), kRed);
    EXPECT_EQ(RedPixels(w), 280 + (666 - 75) - 1);
    pointAt(10, 10);  // off the plot: the next drawing has no cross-hair
    EXPECT_EQ(RedPixels(w), 0);
}

TEST_F(SpectrumCursor, ToolTipGetsTheLastDrawingsReadOut) {
    w.document.TrackCursor(QPoint(100, 200));
    ASSERT_EQ(tips.size(), 1u);
    EXPECT_EQ(tips[0], "");  // nothing drawn with the pointer there yet
    w.document.RedrawTrace();
    w.document.TrackCursor(QPoint(104, 200));
    ASSERT_EQ(tips.size(), 2u);
    EXPECT_EQ(tips[1], "[ 2102MHz : 56 ]");
    w.document.TrackCursor(QPoint(10, 10));  // off the plot: the tool-tip keeps its text
    EXPECT_EQ(tips.size(), 2u);
    EXPECT_EQ(w.document.spectrum().toolTipText(), "[ 2102MHz : 56 ]");
}

TEST_F(SpectrumCursor, PointerMovesDrawNothingByThemselves) {
    w.painted.clear();
    const QImage before = w.document.clientImage();
    w.document.TrackCursor(QPoint(300, 200));
    EXPECT_TRUE(w.painted.empty());
    EXPECT_EQ(w.document.clientImage(), before);
    EXPECT_EQ(w.document.spectrum().CursorX(), 300);
    EXPECT_EQ(w.document.spectrum().CursorY(), 200);
    w.document.RedrawTrace();
    EXPECT_EQ(w.painted.size(), 1u);
}

TEST_F(SpectrumCursor, OtherScreensStoreThePointerButTellTheToolTipNothing) {
    w.chooseScreen(kFindEntry);
    w.document.TrackCursor(QPoint(300, 200));
    EXPECT_EQ(w.document.spectrum().CursorX(), 300);
    EXPECT_EQ(w.document.spectrum().CursorY(), 200);
    EXPECT_TRUE(tips.empty());
    // Back on the spectrum screen the stored position draws the cross-hair.
    w.chooseScreen(kSpectrumEntry);
    EXPECT_EQ(w.pixel(300, 100), kRed);
}

TEST_F(SpectrumCursor, ReadOutStaysWithItsRecord) {
    pointAt(100, 200);
    w.pickSpectrum(1);
    EXPECT_EQ(w.text(1026), "1234MHz");
    w.document.TrackCursor(QPoint(10, 10));
    w.pickSpectrum(0);
    EXPECT_EQ(w.text(1026), "2102MHz");
    EXPECT_EQ(w.text(1031), "56 dBuV");
}

TEST_F(SpectrumCursor, TickShowsTheBareReadOut) {
    EXPECT_EQ(w.text(1026), "1234MHz");
    EXPECT_EQ(w.text(1031), "57 dBuV");
    w.document.RefreshCursorReadout();
    EXPECT_EQ(w.text(1026), "1234");
    EXPECT_EQ(w.text(1031), "57");
    pointAt(100, 200);
    w.document.RefreshCursorReadout();
    EXPECT_EQ(w.text(1026), "2102");
    EXPECT_EQ(w.text(1031), "56");
}

TEST_F(SpectrumCursor, TickRepaintsOnlyAChangedReadOutAndOnlyWhereItPainted) {
    w.painted.clear();
    w.document.RefreshCursorReadout();
    EXPECT_EQ(w.painted, (std::vector<QRect>{QRect(361, 361, 150, 30), QRect(361, 394, 108, 32)}));
    w.document.RefreshCursorReadout();
    EXPECT_EQ(w.painted.size(), 2u);
    w.document.RedrawTrace();
    ASSERT_EQ(w.painted.size(), 3u);
    EXPECT_EQ(w.painted.back(), QRect(0, 48, 720, 340 - 48));
}

TEST_F(SpectrumCursor, TickDoesNothingOnOtherScreens) {
    w.chooseScreen(kFindEntry);
    const std::string frequency = w.text(1026);
    const std::string level = w.text(1031);
    w.painted.clear();
    w.document.RefreshCursorReadout();
    EXPECT_EQ(w.text(1026), frequency);
    EXPECT_EQ(w.text(1031), level);
    EXPECT_TRUE(w.painted.empty());
}

// Edges without a usable pitch: no cross-hair, no read-out, and the tool-tip keeps what it had.
TEST(SpectrumNoPitchCursor, PointerOverAnEmptyPlotReadsNothingOut) {
    const std::vector<std::pair<std::int32_t, std::int32_t>> edges{
        {950, 950}, {957, 950}, {950, 2150}, {950 + 4968, 950}};
    fixtures::ImageBuilder image;
    image.addSpectrum(0, Sweep(2150, 950));
    for (int n = 0; n < static_cast<int>(edges.size()); ++n) {
        image.addSpectrum(n + 1, Sweep(edges[n].first, edges[n].second));
    }
    WindowHarness w;
    ASSERT_TRUE(w.open(image));
    w.chooseScreen(kSpectrumEntry);
    w.document.TrackCursor(QPoint(100, 200));
    w.document.RedrawTrace();
    ASSERT_EQ(w.document.spectrum().toolTipText(), "[ 2102MHz : 56 ]");
    for (int n = 0; n < static_cast<int>(edges.size()); ++n) {
        w.pickSpectrum(n + 1);
        for (const QPoint& p : {QPoint(100, 200), QPoint(690, 300), QPoint(76, 61)}) {
            w.document.TrackCursor(p);
            w.document.RedrawTrace();
            EXPECT_EQ(RedPixels(w), 0) << "edges " << edges[n].first << "/" << edges[n].second;
            EXPECT_EQ(Selected(w).cursorFrequency(), 1234);
            EXPECT_EQ(Selected(w).cursorLevel(), 57);
            EXPECT_EQ(w.document.spectrum().toolTipText(), "[ 2102MHz : 56 ]");
        }
        w.document.RefreshCursorReadout();
        EXPECT_EQ(w.text(1026), "1234");
        EXPECT_EQ(w.text(1031), "57");
    }
    EXPECT_TRUE(w.prompts.messages.empty());
}

TEST(SpectrumNoPitchCursor, EmptySpectrumListReadsNothingOut) {
    WindowHarness w;
    ASSERT_TRUE(w.open(fixtures::ImageBuilder()));
    w.chooseScreen(kSpectrumEntry);
    w.document.TrackCursor(QPoint(300, 200));
    w.document.RedrawTrace();
    EXPECT_EQ(RedPixels(w), 0);
    EXPECT_EQ(w.document.spectrum().toolTipText(), "");
    EXPECT_EQ(Selected(w).cursorFrequency(), 0);
    w.document.RefreshCursorReadout();
    EXPECT_EQ(w.text(1026), "0");
    EXPECT_EQ(w.text(1031), "0");
}

}  // namespace
}  // namespace mirelta::testing
