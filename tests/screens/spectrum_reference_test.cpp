// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "platform/window_template.h"
#include "window_harness.h"

namespace mirelta::testing {
namespace {

constexpr int kSpectrumEntry = 2;
constexpr int kFindEntry = 0;
const QRgb kGreen = qRgb(0, 255, 0);
const QRgb kInk = qRgb(8, 8, 8);

// Every level 55: at y 200 in the start window, and 9.33 pixels lower for each dB it rises.
fixtures::ImageBuilder FlatSweep() {
    fixtures::SpectrumFields fields;
    fields.label = "Flat";
    fields.leftFrequency = 2150;
    fields.rightFrequency = 950;
    fields.levels.fill(55);
    return fixtures::ImageBuilder().addSpectrum(0, fields);
}

std::vector<std::string> ScaleTexts(const WindowHarness& w) {
    std::vector<std::string> texts;
    for (int id = 1008; id <= 1014; ++id) {
        texts.push_back(w.text(id));
    }
    return texts;
}

// The seven scale labels from the top of the plot down, for each window bottom used here.
std::vector<std::string> Scale(int bottom) {
    static const std::map<int, std::vector<std::string>> kScales{
        {0, {"30", "25", "20", "15", "10", "5", "0"}},
        {30, {"60", "55", "50", "45", "40", "35", "30"}},
        {35, {"65", "60", "55", "50", "45", "40", "35"}},
        {40, {"70", "65", "60", "55", "50", "45", "40"}},
        {45, {"75", "70", "65", "60", "55", "50", "45"}},
        {55, {"85", "80", "75", "70", "65", "60", "55"}},
        {70, {"100", "95", "90", "85", "80", "75", "70"}},
    };
    return kScales.at(bottom);
}

class SpectrumReference : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(w.open(FlatSweep()));
        w.chooseScreen(kSpectrumEntry);
        w.painted.clear();
    }

    void setWindow(std::int16_t bottom) {
        w.document.StepRefLevelTo(bottom);
        w.chooseScreen(kSpectrumEntry);
        w.painted.clear();
    }

    void expectWindow(int bottom) {
        EXPECT_EQ(w.document.spectrum().RefLevelBottom(), bottom);
        EXPECT_EQ(w.document.spectrum().RefLevelTop(), bottom + 30);
    }

    WindowHarness w;
};

TEST_F(SpectrumReference, WheelForwardOverThePlotRaisesTheWindow) {
    w.document.TrackCursor(QPoint(300, 100));
    w.document.RefLevelByWheel(120);
    expectWindow(45);
    EXPECT_EQ(ScaleTexts(w), Scale(45));
    // 55 dB now lies 10 dB above the bottom: 340 - 2800 / 30 = 247.
    EXPECT_EQ(w.pixel(115, 247), kGreen);
    EXPECT_EQ(w.pixel(115, 246), kInk);
}

TEST_F(SpectrumReference, WheelBackwardOrStillLowersTheWindow) {
    w.document.TrackCursor(QPoint(300, 100));
    w.document.RefLevelByWheel(-120);
    expectWindow(35);
    EXPECT_EQ(ScaleTexts(w), Scale(35));
    w.document.RefLevelByWheel(0);
    expectWindow(30);
    EXPECT_EQ(ScaleTexts(w), Scale(30));
    // 55 dB lies 25 dB above the bottom: 340 - 7000 / 30 = 107.
    EXPECT_EQ(w.pixel(115, 107), kGreen);
    EXPECT_EQ(w.pixel(115, 106), kInk);
}

TEST_F(SpectrumReference, OneStepPerMessageWhateverTheDelta) {
    w.document.TrackCursor(QPoint(300, 100));
    w.document.RefLevelByWheel(960);
    expectWindow(45);
    w.document.RefLevelByWheel(-32768);
    expectWindow(40);
}

TEST_F(SpectrumReference, WheelOffThePlotDoesNothing) {
    for (const QPoint& p : {QPoint(10, 10), QPoint(75, 200), QPoint(695, 200), QPoint(300, 60),
                            QPoint(300, 340), QPoint(800, 500)}) {
        w.document.TrackCursor(p);
        w.document.RefLevelByWheel(120);
        w.document.RefLevelByWheel(-120);
        expectWindow(40);
    }
    EXPECT_EQ(ScaleTexts(w), Scale(40));
    EXPECT_TRUE(w.painted.empty());
}

TEST_F(SpectrumReference, WheelOnOtherScreensDoesNothing) {
    w.chooseScreen(kFindEntry);
    w.document.TrackCursor(QPoint(300, 100));
    w.painted.clear();
    w.document.RefLevelByWheel(120);
    expectWindow(40);
    EXPECT_TRUE(w.painted.empty());
    w.chooseScreen(1);
    w.painted.clear();
    w.document.RefLevelByWheel(-120);
    expectWindow(40);
    EXPECT_TRUE(w.painted.empty());
}

TEST_F(SpectrumReference, WheelClimbsToTheTopAndStopsThereSilently) {
    w.document.TrackCursor(QPoint(300, 100));
    for (int step = 0; step < 6; ++step) {
        w.document.RefLevelByWheel(120);
    }
    expectWindow(70);
    EXPECT_EQ(ScaleTexts(w), Scale(70));
    w.painted.clear();
    w.document.RefLevelByWheel(120);
    expectWindow(70);
    EXPECT_TRUE(w.painted.empty());  // neither the scale labels nor the trace repainted
    EXPECT_EQ(ScaleTexts(w), Scale(70));
}

TEST_F(SpectrumReference, WheelAtTheBottomChangesAndRedrawsNothing) {
    setWindow(0);
    EXPECT_EQ(ScaleTexts(w), Scale(0));
    w.document.TrackCursor(QPoint(300, 100));
    const QImage before = w.document.clientImage();
    w.document.RefLevelByWheel(-120);
    expectWindow(0);
    EXPECT_TRUE(w.painted.empty());
    EXPECT_EQ(w.document.clientImage(), before);
}

TEST_F(SpectrumReference, DownButtonAtTheBottomStillRedraws) {
    setWindow(0);
    w.document.click(ids::Down);
    expectWindow(0);
    EXPECT_EQ(ScaleTexts(w), Scale(0));
    EXPECT_EQ(w.painted.size(), 1u);  // the seven scale labels and the trace together
    EXPECT_EQ(w.pixel(300, 200), kGreen);
}

TEST_F(SpectrumReference, UpButtonAtTheTopStillRedraws) {
    setWindow(70);
    w.document.click(ids::Up);
    expectWindow(70);
    EXPECT_EQ(ScaleTexts(w), Scale(70));
    EXPECT_EQ(w.painted.size(), 1u);
    EXPECT_EQ(w.pixel(300, 200), kInk);  // 55 dB is below the 70/100 window
}

TEST_F(SpectrumReference, ButtonRepaintLooksAsAWholeRepaint) {
    w.document.TrackCursor(QPoint(300, 200));  // a cross-hair in the trace as well
    w.document.click(ids::Up);
    const QImage stepped = w.document.clientImage();
    w.document.repaint();
    EXPECT_EQ(w.document.clientImage(), stepped);
}

TEST_F(SpectrumReference, ButtonsMoveTheWindowWhereverThePointerIs) {
    w.document.TrackCursor(QPoint(10, 10));
    w.document.click(ids::Up);
    expectWindow(45);
    EXPECT_EQ(ScaleTexts(w), Scale(45));
    w.document.click(ids::Down);
    w.document.click(ids::Down);
    expectWindow(35);
    EXPECT_EQ(ScaleTexts(w), Scale(35));
}

TEST_F(SpectrumReference, WindowSurvivesScreensLanguagesPicksAndOpens) {
    w.document.TrackCursor(QPoint(300, 100));
    w.document.RefLevelByWheel(120);
    w.document.RefLevelByWheel(120);
    w.document.RefLevelByWheel(120);
    expectWindow(55);
    w.chooseScreen(kFindEntry);
    w.chooseScreen(kSpectrumEntry);
    expectWindow(55);
    EXPECT_EQ(ScaleTexts(w), Scale(55));
    w.chooseLanguage(1);
    expectWindow(55);
    EXPECT_EQ(ScaleTexts(w), Scale(55));
    w.pickSpectrum(0);
    EXPECT_EQ(ScaleTexts(w), Scale(55));
    ASSERT_TRUE(w.open(FlatSweep(), "second.dat"));
    w.chooseScreen(kSpectrumEntry);
    expectWindow(55);
    EXPECT_EQ(ScaleTexts(w), Scale(55));
}

}  // namespace
}  // namespace mirelta::testing
