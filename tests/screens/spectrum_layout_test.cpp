// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "platform/window_template.h"
#include "window_harness.h"

namespace mirelta::testing {
namespace {

constexpr int kSpectrumEntry = 2;
constexpr int kFindEntry = 0;

fixtures::SpectrumFields Sweep(std::int32_t left, std::int32_t right, std::uint8_t span) {
    fixtures::SpectrumFields fields;
    fields.label = "Sweep";
    fields.leftFrequency = left;
    fields.cursorFrequency = 1234;
    fields.rightFrequency = right;
    fields.cursorLevel = 57;
    fields.spanCode = span;
    fields.levels.fill(60);
    return fields;
}

// One record per span code, in slot order.
fixtures::ImageBuilder SpanImage(const std::vector<std::uint8_t>& spans) {
    fixtures::ImageBuilder image;
    for (int slot = 0; slot < static_cast<int>(spans.size()); ++slot) {
        image.addSpectrum(slot, Sweep(2150 - slot, 950 + slot, spans[slot]));
    }
    return image;
}

TEST(SpectrumLayout, TextsTheRecordsValues) {
    WindowHarness w;
    ASSERT_TRUE(w.open(SpanImage({0})));
    w.chooseScreen(kSpectrumEntry);
    EXPECT_EQ(w.text(1024), "2150MHz");
    EXPECT_EQ(w.text(1026), "1234MHz");
    EXPECT_EQ(w.text(1027), "950MHz");
    EXPECT_EQ(w.text(1031), "57 dBuV");
}

TEST(SpectrumLayout, NegativeValuesPrintWithTheirSign) {
    WindowHarness w;
    fixtures::SpectrumFields fields = Sweep(-20, -3000, 0);
    fields.cursorFrequency = -7;
    fields.cursorLevel = -12;
    ASSERT_TRUE(w.open(fixtures::ImageBuilder().addSpectrum(0, fields)));
    w.chooseScreen(kSpectrumEntry);
    EXPECT_EQ(w.text(1024), "-20MHz");
    EXPECT_EQ(w.text(1026), "-7MHz");
    EXPECT_EQ(w.text(1027), "-3000MHz");
    EXPECT_EQ(w.text(1031), "-12 dBuV");
}

TEST(SpectrumLayout, ScaleReadsTheStartWindowTopToBottom) {
    WindowHarness w;
    ASSERT_TRUE(w.open(SpanImage({0})));
    w.chooseScreen(kSpectrumEntry);
    const char* expected[] = {"70", "65", "60", "55", "50", "45", "40"};
    for (int row = 0; row < 7; ++row) {
        EXPECT_EQ(w.text(1008 + row), expected[row]);
    }
}

TEST(SpectrumLayout, FrenchChangesOnlyTheTranslatedCaptions) {
    WindowHarness w;
    ASSERT_TRUE(w.open(SpanImage({0})));
    w.chooseScreen(kSpectrumEntry);
    w.chooseLanguage(1);
    EXPECT_EQ(w.text(1046), "analyser");
    EXPECT_EQ(w.text(1047), "recherche");
    EXPECT_EQ(w.text(1025), "Cur:");
    EXPECT_EQ(w.text(1030), "MRK:");
    EXPECT_EQ(w.text(1035), "LNB");
    EXPECT_EQ(w.text(1036), "Hor");
    EXPECT_EQ(w.text(1034), "FULL");
    EXPECT_EQ(w.text(ids::Title), "R\xA8\xA6glez Spectrum");
    w.chooseLanguage(0);
    EXPECT_EQ(w.text(1046), "Analyze");
    EXPECT_EQ(w.text(1047), "Search");
}

struct SpanCase {
    std::uint8_t code;
    const char* text;
    std::int16_t freqStep;
};

TEST(SpectrumSpan, LayoutTextsTheSpanAndSetsTheStep) {
    // One window throughout: each case's step differs from the one before, so each is set anew.
    WindowHarness w;
    for (const SpanCase& c : {SpanCase{1, "200 MHz", 2}, SpanCase{0, "FULL", 8},
                              SpanCase{2, "400 MHz", 4}, SpanCase{5, "...", 8}}) {
        ASSERT_TRUE(w.open(SpanImage({c.code})));
        w.chooseScreen(kSpectrumEntry);
        EXPECT_EQ(w.text(1034), c.text) << "span code " << int(c.code);
        EXPECT_EQ(w.document.spectrum().FreqStep(), c.freqStep) << "span code " << int(c.code);
    }
}

TEST(SpectrumSpan, RefreshTextsTheSpanAndLeavesUnknownCodesEmpty) {
    WindowHarness w;
    ASSERT_TRUE(w.open(SpanImage({1, 0, 2, 5})));
    w.chooseScreen(kSpectrumEntry);
    EXPECT_EQ(w.document.spectrum().FreqStep(), 2);
    const SpanCase expected[] = {{0, "FULL", 8}, {2, "400 MHz", 4}, {5, "", 8}, {1, "200 MHz", 2}};
    const int entries[] = {1, 2, 3, 0};
    for (int n = 0; n < 4; ++n) {  // each step differs from the one before
        w.pickSpectrum(entries[n]);
        EXPECT_EQ(w.text(1034), expected[n].text) << "entry " << entries[n];
        EXPECT_EQ(w.document.spectrum().FreqStep(), expected[n].freqStep) << "entry " << entries[n];
    }
}

TEST(SpectrumSpan, UnknownCodeShowsDotsWhenTheScreenIsEnteredWithIt) {
    WindowHarness w;
    ASSERT_TRUE(w.open(SpanImage({0, 5})));
    w.chooseScreen(kSpectrumEntry);
    w.pickSpectrum(1);
    EXPECT_EQ(w.text(1034), "");
    w.chooseScreen(kFindEntry);
    w.chooseScreen(kSpectrumEntry);
    EXPECT_EQ(w.text(1034), "...");
    EXPECT_EQ(w.document.spectrum().FreqStep(), 8);
}

TEST(SpectrumRefresh, RetextsOnlyTheValueLabels) {
    WindowHarness w;
    fixtures::ImageBuilder image = SpanImage({0});
    fixtures::SpectrumFields second = Sweep(1750, 1150, 2);
    second.cursorFrequency = 1500;
    second.cursorLevel = 63;
    image.addSpectrum(1, second);
    ASSERT_TRUE(w.open(image));
    w.chooseScreen(kSpectrumEntry);
    w.document.StepRefLevelTo(25);
    const Rect before = w.document.controls().rect(1024);
    w.pickSpectrum(1);
    EXPECT_EQ(w.text(1024), "1750MHz");
    EXPECT_EQ(w.text(1026), "1500MHz");
    EXPECT_EQ(w.text(1027), "1150MHz");
    EXPECT_EQ(w.text(1031), "63 dBuV");
    EXPECT_EQ(w.text(1034), "400 MHz");
    EXPECT_EQ(w.text(1008), "55");  // the scale keeps the window it shows
    EXPECT_EQ(w.text(1014), "25");
    EXPECT_EQ(w.document.controls().rect(1024), before);
}

TEST(SpectrumEmptyList, ShowsTheAllZeroRecord) {
    WindowHarness w;
    ASSERT_TRUE(w.open(fixtures::ImageBuilder()));
    w.chooseScreen(kSpectrumEntry);
    EXPECT_EQ(w.text(1024), "0MHz");
    EXPECT_EQ(w.text(1026), "0MHz");
    EXPECT_EQ(w.text(1027), "0MHz");
    EXPECT_EQ(w.text(1031), "0 dBuV");
    EXPECT_EQ(w.text(1034), "FULL");
    EXPECT_EQ(w.document.spectrum().FreqStep(), 8);
}

TEST(SpectrumColours, FullRepaintLeavesTheSeparatorAndTrace) {
    WindowHarness w;
    ASSERT_TRUE(w.open(SpanImage({0})));
    w.chooseScreen(kSpectrumEntry);
    EXPECT_EQ(w.pixel(5, 48), qRgb(0, 0, 255));
    EXPECT_EQ(w.pixel(715, 49), qRgb(0, 0, 255));
    EXPECT_EQ(w.pixel(300, 200), qRgb(0, 255, 0));
    EXPECT_EQ(w.pixel(300, 100), qRgb(8, 8, 8));
}

}  // namespace
}  // namespace mirelta::testing
