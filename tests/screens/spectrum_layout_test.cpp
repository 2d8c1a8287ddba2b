// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "platform/colours.h"
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

int Alignment(const WindowHarness& w, int id) {
    return w.logic.controls().style(id) & kAlignmentMask;
}

struct Placed {
    int id;
    Rect rect;
};

TEST(SpectrumLayout, PlacesEveryControl) {
    WindowHarness w;
    ASSERT_TRUE(w.open(SpanImage({0})));
    w.chooseScreen(kSpectrumEntry);
    const std::vector<Placed> expected{
        {1004, {75, 60, 695, 340}},   {1017, {625, 18, 667, 38}},   {1016, {576, 14, 616, 44}},
        {1022, {65, 60, 75, 340}},    {1039, {65, 342, 81, 358}},   {1041, {30, 444, 70, 474}},
        {1020, {175, 444, 215, 474}}, {1040, {280, 444, 320, 474}}, {1021, {405, 444, 445, 474}},
        {1038, {560, 444, 600, 474}}, {1008, {10, 50, 65, 80}},     {1009, {10, 92, 65, 122}},
        {1010, {10, 137, 65, 167}},   {1011, {10, 185, 65, 215}},   {1012, {10, 231, 65, 261}},
        {1013, {10, 281, 65, 311}},   {1014, {10, 323, 65, 353}},   {1024, {30, 361, 180, 391}},
        {1025, {300, 361, 360, 391}}, {1026, {361, 361, 511, 391}}, {1027, {550, 361, 700, 391}},
        {1030, {301, 394, 361, 426}}, {1031, {361, 394, 469, 426}}, {1034, {75, 444, 175, 474}},
        {1035, {220, 444, 280, 474}}, {1036, {325, 444, 405, 474}}, {1046, {450, 444, 560, 474}},
        {1047, {605, 444, 720, 474}},
    };
    for (const Placed& p : expected) {
        EXPECT_EQ(w.logic.controls().rect(p.id), p.rect) << "control " << p.id;
    }
    EXPECT_TRUE(w.prompts.messages.empty());
}

TEST(SpectrumLayout, AlignsLabels) {
    WindowHarness w;
    ASSERT_TRUE(w.open(SpanImage({0})));
    w.chooseScreen(kSpectrumEntry);
    for (int id = 1008; id <= 1014; ++id) {
        EXPECT_EQ(Alignment(w, id), 2) << "scale label " << id;
    }
    for (int id : {1024, 1025, 1026, 1027, 1031}) {
        EXPECT_EQ(Alignment(w, id), 1) << "control " << id;
    }
    for (int id : {1030, 1034, 1035, 1036, 1046, 1047}) {
        EXPECT_EQ(Alignment(w, id), 0) << "control " << id;
    }
}

TEST(SpectrumLayout, TextsTheRecordsValuesAndCaptions) {
    WindowHarness w;
    ASSERT_TRUE(w.open(SpanImage({0})));
    w.chooseScreen(kSpectrumEntry);
    EXPECT_EQ(w.text(1004), "");
    EXPECT_EQ(w.text(1024), "2150MHz");
    EXPECT_EQ(w.text(1025), "Cur:");
    EXPECT_EQ(w.text(1026), "1234MHz");
    EXPECT_EQ(w.text(1027), "950MHz");
    EXPECT_EQ(w.text(1030), "MRK:");
    EXPECT_EQ(w.text(1031), "57 dBuV");
    EXPECT_EQ(w.text(1035), "LNB");
    EXPECT_EQ(w.text(1036), "Hor");
    EXPECT_EQ(w.text(1046), "Analyze");
    EXPECT_EQ(w.text(1047), "Search");
    EXPECT_EQ(w.text(ids::Title), "Spectrum Adjust");
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

TEST(SpectrumVisibility, ShowsTheScreensControlsAndHidesTheRest) {
    WindowHarness w;
    ASSERT_TRUE(w.open(SpanImage({0})));
    w.chooseScreen(kFindEntry);  // the Find screen shows controls the spectrum screen hides
    w.chooseScreen(kSpectrumEntry);
    for (int id : {1001, 1002, 1003, 1004, 1008, 1009, 1010, 1011, 1012, 1013, 1014,
                   1016, 1017, 1020, 1021, 1022, 1024, 1025, 1026, 1027, 1030, 1031,
                   1034, 1035, 1036, 1038, 1039, 1040, 1041, 1046, 1047}) {
        EXPECT_TRUE(w.visible(id)) << "control " << id;
    }
    for (int id : {1005, 1006, 1007, 1015, 1018, 1019, 1028, 1029, 1032, 1033, 1037,
                   1048, 1049, 1050, 1051, 1052, 1053, 1054, 1055, 1056, 1057}) {
        EXPECT_FALSE(w.visible(id)) << "control " << id;
    }
    EXPECT_TRUE(w.logic.controls().isEnabled(ids::Up));
    EXPECT_TRUE(w.logic.controls().isEnabled(ids::Down));
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
        EXPECT_EQ(w.logic.FreqStep(), c.freqStep) << "span code " << int(c.code);
    }
}

TEST(SpectrumSpan, RefreshTextsTheSpanAndLeavesUnknownCodesEmpty) {
    WindowHarness w;
    ASSERT_TRUE(w.open(SpanImage({1, 0, 2, 5})));
    w.chooseScreen(kSpectrumEntry);
    EXPECT_EQ(w.logic.FreqStep(), 2);
    const SpanCase expected[] = {{0, "FULL", 8}, {2, "400 MHz", 4}, {5, "", 8}, {1, "200 MHz", 2}};
    const int entries[] = {1, 2, 3, 0};
    for (int n = 0; n < 4; ++n) {  // each step differs from the one before
        w.pickSpectrum(entries[n]);
        EXPECT_EQ(w.text(1034), expected[n].text) << "entry " << entries[n];
        EXPECT_EQ(w.logic.FreqStep(), expected[n].freqStep) << "entry " << entries[n];
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
    EXPECT_EQ(w.logic.FreqStep(), 8);
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
    w.logic.StepRefLevelTo(25);
    const Rect before = w.logic.controls().rect(1024);
    w.pickSpectrum(1);
    EXPECT_EQ(w.text(1024), "1750MHz");
    EXPECT_EQ(w.text(1026), "1500MHz");
    EXPECT_EQ(w.text(1027), "1150MHz");
    EXPECT_EQ(w.text(1031), "63 dBuV");
    EXPECT_EQ(w.text(1034), "400 MHz");
    EXPECT_EQ(w.text(1008), "55");  // the scale keeps the window it shows
    EXPECT_EQ(w.text(1014), "25");
    EXPECT_EQ(w.logic.controls().rect(1024), before);
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
    EXPECT_EQ(w.logic.FreqStep(), 8);
}

TEST(SpectrumColours, LabelsGetTheirFontAndColours) {
    WindowHarness w;
    ASSERT_TRUE(w.open(SpanImage({0})));
    w.chooseScreen(kSpectrumEntry);
    struct Case {
        int id;
        QColor text;
        QColor background;
    };
    const std::vector<Case> cases{
        {1008, colours::Ink, colours::PanelGrey}, {1014, colours::Ink, colours::PanelGrey},
        {1024, colours::Ink, colours::PanelGrey}, {1027, colours::Ink, colours::PanelGrey},
        {1030, colours::White, colours::Ink},     {1031, colours::White, colours::Ink},
        {1034, colours::Ink, colours::FrameGrey}, {1035, colours::Ink, colours::FrameGrey},
        {1036, colours::Ink, colours::FrameGrey}, {1046, colours::Ink, colours::FrameGrey},
        {1047, colours::Ink, colours::FrameGrey},
    };
    for (const Case& c : cases) {
        DeviceContext dc;
        BrushHandle brush = w.logic.OnCtlColor(dc, c.id);
        ASSERT_NE(brush, nullptr);
        EXPECT_EQ(brush->color(), c.background) << "control " << c.id;
        EXPECT_EQ(dc.textColour, c.text) << "control " << c.id;
        EXPECT_EQ(dc.backgroundColour, c.background) << "control " << c.id;
        EXPECT_EQ(dc.font, &w.logic.LabelFontSmall()) << "control " << c.id;
    }
}

TEST(SpectrumColours, PlotPanelGetsInkAndDrawsNothing) {
    WindowHarness w;
    ASSERT_TRUE(w.open(SpanImage({0})));
    w.chooseScreen(kSpectrumEntry);
    w.logic.compositor().image().fill(Qt::white);
    const QImage before = w.logic.compositor().image().copy();
    DeviceContext query;
    EXPECT_EQ(w.logic.OnCtlColor(query, ids::ContentPanel), &Brushes().InkBrush);
    // The branch itself leaves the device context alone.
    DeviceContext dc;
    dc.textColour = Qt::magenta;
    dc.backgroundColour = Qt::cyan;
    DeviceContext unused;
    BrushHandle brush =
        w.logic.spectrumScreen().answer(dc, ids::ContentPanel, DefaultColourAnswer(unused));
    EXPECT_EQ(brush, &Brushes().InkBrush);
    EXPECT_EQ(dc.textColour, QColor(Qt::magenta));
    EXPECT_EQ(dc.backgroundColour, QColor(Qt::cyan));
    EXPECT_EQ(dc.font, nullptr);
    EXPECT_EQ(w.logic.compositor().image(), before);
}

TEST(SpectrumColours, DrawingGroupDrawsTheSeparatorAndTraceThenAnswersTheDefault) {
    WindowHarness w;
    ASSERT_TRUE(w.open(SpanImage({0})));  // levels 60: the trace's top at y 154
    w.chooseScreen(kSpectrumEntry);
    DeviceContext reference;
    const BrushHandle defaultAnswer = DefaultColourAnswer(reference);
    for (int id : {1016, 1017, 1020, 1021, 1022, 1038, 1039, 1040, 1041, ids::SidePanelLabel,
                   kUnnamedControl}) {
        w.logic.compositor().image().fill(Qt::white);
        DeviceContext dc;
        EXPECT_EQ(w.logic.OnCtlColor(dc, id), defaultAnswer) << "control " << id;
        EXPECT_EQ(w.pixel(0, 48), qRgb(0, 0, 255)) << "control " << id;
        EXPECT_EQ(w.pixel(719, 49), qRgb(0, 0, 255)) << "control " << id;
        EXPECT_EQ(w.pixel(360, 47), qRgb(255, 255, 255)) << "control " << id;
        EXPECT_EQ(w.pixel(360, 50), qRgb(255, 255, 255)) << "control " << id;
        EXPECT_EQ(w.pixel(300, 154), qRgb(0, 255, 0)) << "control " << id;
        EXPECT_EQ(w.pixel(300, 153), qRgb(8, 8, 8)) << "control " << id;
    }
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
