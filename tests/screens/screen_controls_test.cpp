// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "platform/colours.h"
#include "platform/window_template.h"
#include "window_harness.h"

namespace mirelta::testing {
namespace {

enum class Align { Left, Centre, Right, None };  // None: a panel without text

// A label as the screen paints it: where, how its text sits, and in which colours.
struct Label {
    int id;
    Rect rect;
    Align align;
    QColor text;
    QColor background;
};

struct ScreenCase {
    ScreenKind kind;
    const char* name;
    std::vector<Label> labels;
    std::set<int> shown;  // every replica control the screen shows; all others are hidden
    std::vector<std::pair<int, const char*>> english;  // captions, the title among them
    std::vector<std::pair<int, const char*>> french;
};

std::set<int> WithRanges(std::set<int> ids, std::initializer_list<std::pair<int, int>> ranges) {
    for (const auto& [first, last] : ranges) {
        for (int id = first; id <= last; ++id) {
            ids.insert(id);
        }
    }
    return ids;
}

using namespace colours;
constexpr Align L = Align::Left;
constexpr Align C = Align::Centre;
constexpr Align R = Align::Right;

const ScreenCase kScreens[] = {
    {ScreenKind::Find,
     "Find",
     {
         {1006, {105, 442, 205, 472}, L, Ink, FrameGrey},
         {1007, {250, 442, 350, 472}, L, Ink, FrameGrey},
         {1037, {395, 442, 495, 472}, L, Ink, FrameGrey},
         {1005, {540, 442, 670, 472}, L, Ink, FrameGrey},
         {1008, {40, 60, 190, 90}, L, Ink, PanelGrey},
         {1011, {40, 165, 190, 195}, L, Ink, PanelGrey},
         {1014, {40, 270, 190, 300}, L, Ink, PanelGrey},
         {1024, {40, 305, 190, 335}, L, Ink, PanelGrey},
         {1025, {215, 60, 460, 90}, C, Ink, PanelGrey},
         {1028, {190, 165, 490, 195}, C, Ink, PanelGrey},
         {1032, {190, 305, 490, 335}, C, Ink, PanelGrey},
         {ids::ContentPanel, {500, 50, 720, 340}, Align::None, Ink, Ink},
         {1033, {530, 60, 680, 120}, C, HighlightBlue, Ink},
         {1034, {500, 130, 580, 170}, R, White, Ink},
         {1035, {584, 132, 720, 172}, L, HighlightBlue, Ink},
         {1036, {600, 170, 710, 200}, C, White, Ink},
         {1046, {500, 200, 580, 240}, R, White, Ink},
         {1047, {594, 200, 720, 240}, L, White, Ink},
         {1049, {594, 244, 720, 273}, L, White, Ink},
         {1051, {594, 274, 700, 304}, C, White, Ink},
         {1053, {594, 309, 700, 339}, L, White, Ink},
         {1054, {40, 340, 190, 388}, L, Ink, PanelGrey},
         {1055, {610, 340, 700, 388}, L, Ink, PanelGrey},
         {1056, {40, 390, 190, 438}, L, Ink, PanelGrey},
         {1057, {610, 390, 700, 438}, L, Ink, PanelGrey},
     },
     WithRanges(
         {1001, 1002, 1003, 1004, 1015, 1016, 1017, 1038, 1019, 1020, 1021, 1005, 1006, 1007, 1037},
         {{1008, 1014}, {1024, 1036}, {1046, 1057}}),
     {{1006, "Confirm"},
      {1007, "Exit"},
      {1037, "Add TP"},
      {1005, "Save LNB"},
      {1008, "Satellite"},
      {1009, "LNB type"},
      {1010, "LO.LOW"},
      {1011, "LO.HIGH"},
      {1012, "Frequency"},
      {1013, "Symb.rate"},
      {1014, "Pol"},
      {1024, "Search"},
      {1032, "OK"},
      {1033, "Lock"},
      {1034, "PWR:"},
      {1036, "dBuV"},
      {1046, "Sat."},
      {1047, "..."},
      {1048, "C/N:"},
      {1050, "BER:"},
      {1052, "FEC:"},
      {1054, "Strength"},
      {1056, "Quality"},
      {ids::ContentPanel, ""},
      {ids::Title, "Satellite Finding"}},
     {{1054, "force"},
      {1056, "qualit\xA8\xA6"},
      {1024, "recherche"},
      {1006, "confirmer"},
      {1033, "bloquer"},
      {ids::Title, "satellite Trouver"}}},
    {ScreenKind::Constellation,
     "Constellation",
     {
         {1008, {30, 70, 100, 108}, L, Ink, PanelGrey},
         {1009, {110, 70, 350, 108}, L, Ink, PanelGrey},
         {1012, {30, 150, 330, 188}, C, Ink, PanelGrey},
         {1013, {30, 210, 100, 248}, L, Ink, PanelGrey},
         {1014, {110, 190, 260, 258}, L, Red, PanelGrey},
         {1024, {30, 260, 130, 298}, C, Ink, PanelGrey},
         {1027, {130, 300, 210, 338}, C, Ink, PanelGrey},
         {1030, {30, 340, 140, 390}, L, Ink, PanelGrey},
         {1033, {260, 390, 350, 440}, C, Ink, PanelGrey},
         {ids::ContentPanel, {350, 50, 720, 440}, Align::None, Ink, Ink},
         {1035, {355, 220, 385, 246}, C, White, Ink},
         {1036, {125, 442, 245, 472}, L, Ink, FrameGrey},
         {1046, {345, 442, 465, 472}, L, Ink, FrameGrey},
         {1047, {545, 442, 665, 472}, L, Ink, FrameGrey},
     },
     WithRanges({1001, 1002, 1003, 1004, 1017, 1038, 1019, 1021, 1046, 1047},
                {{1008, 1014}, {1024, 1036}}),
     {{1008, "CH:"},
      {1010, "MOD:"},
      {1013, "MER:"},
      {1024, "C/N:"},
      {1026, "FEC:"},
      {1028, "BER:"},
      {1030, "Quality"},
      {1032, "Strength"},
      {1036, "Confirm"},
      {1046, "Exit"},
      {1047, "Save"},
      {1034, "Q"},
      {1035, "I"},
      {ids::ContentPanel, ""},
      {ids::Title, "Constellation Analyzer"}},
     {{1030, "qualit\xA8\xA6"},
      {1032, "force"},
      {1036, "confirmer"},
      {1047, "Enregistrer"},
      {ids::Title, "Analyseur de constellation"}}},
    {ScreenKind::Spectrum,
     "Spectrum",
     {
         {1008, {10, 50, 65, 80}, R, Ink, PanelGrey},
         {1014, {10, 323, 65, 353}, R, Ink, PanelGrey},
         {1024, {30, 361, 180, 391}, C, Ink, PanelGrey},
         {1027, {550, 361, 700, 391}, C, Ink, PanelGrey},
         {ids::ContentPanel, {75, 60, 695, 340}, Align::None, Ink, Ink},
         {1030, {301, 394, 361, 426}, L, White, Ink},
         {1031, {361, 394, 469, 426}, C, White, Ink},
         {1034, {75, 444, 175, 474}, L, Ink, FrameGrey},
         {1035, {220, 444, 280, 474}, L, Ink, FrameGrey},
         {1036, {325, 444, 405, 474}, L, Ink, FrameGrey},
         {1046, {450, 444, 560, 474}, L, Ink, FrameGrey},
         {1047, {605, 444, 720, 474}, L, Ink, FrameGrey},
     },
     WithRanges({1001, 1002, 1003, 1004, 1016, 1017, 1020, 1021, 1022, 1024, 1025, 1026,
                 1027, 1030, 1031, 1034, 1035, 1036, 1038, 1039, 1040, 1041, 1046, 1047},
                {{1008, 1014}}),
     {{1025, "Cur:"},
      {1030, "MRK:"},
      {1035, "LNB"},
      {1036, "Hor"},
      {1046, "Analyze"},
      {1047, "Search"},
      {ids::ContentPanel, ""},
      {ids::Title, "Spectrum Adjust"}},
     {{1046, "analyser"}, {1047, "recherche"}, {ids::Title, "R\xA8\xA6glez Spectrum"}}},
};

// Records that give every label of every screen a text; the Find record is vertical.
fixtures::ImageBuilder EveryKind() {
    fixtures::ImageBuilder image;
    image.addFind(0, {.satellite = "Astra 19.2E", .polarisation = 1, .lockFlag = 1});
    image.addFind(1, {.satellite = "Hotbird 13E", .lnbType = 10});
    image.addConstellation(0, {.frequency = 11747, .symbolRate = 27500, .mer = 1180});
    image.addConstellation(1, {.frequency = 12111, .polarisation = 1, .system = 3});
    fixtures::SpectrumFields sweep{.label = "Sweep", .leftFrequency = 2150, .rightFrequency = 950};
    sweep.levels.fill(45);
    image.addSpectrum(0, sweep);
    sweep.spanCode = 2;
    image.addSpectrum(1, sweep);
    return image;
}

void PrintTo(const ScreenCase& screen, std::ostream* os) {
    *os << screen.name;
}

class ScreenControls : public ::testing::TestWithParam<ScreenCase> {
  protected:
    void SetUp() override { ASSERT_TRUE(w.open(EveryKind())); }

    void expectShownExactly(const char* when) {
        const std::set<int>& shown = GetParam().shown;
        for (int id : w.document.controls().replicaPaintOrder()) {
            EXPECT_EQ(w.visible(id), shown.count(id) == 1) << id << " " << when;
        }
        const bool spectrum = GetParam().kind == ScreenKind::Spectrum;
        EXPECT_EQ(w.document.controls().isEnabled(ids::Up), spectrum) << when;
        EXPECT_EQ(w.document.controls().isEnabled(ids::Down), spectrum) << when;
    }

    // A trailing colon or full stop has only smoothed pixels, none in the text colour itself.
    static constexpr int kPunctuation = 8;

    // The label's background fills it near its corners; its text's ink lies inside it, placed as
    // aligned.
    void expectPainted(const Label& label) {
        const Rect& r = label.rect;
        EXPECT_EQ(w.pixel(r.left + 3, r.top + 3), label.background.rgb()) << label.id;
        EXPECT_EQ(w.pixel(r.right - 4, r.bottom - 4), label.background.rgb()) << label.id;
        if (label.align == Align::None) {
            return;
        }
        int first = r.right;
        int last = r.left - 1;
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x) {
                if (w.pixel(x, y) == label.text.rgb()) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
            }
        }
        ASSERT_LE(first, last) << label.id << " has no text in its colour";
        const int leftGap = first - r.left;
        const int rightGap = r.right - 1 - last;
        switch (label.align) {
            case Align::Left:
                EXPECT_LE(leftGap, 3) << label.id;
                break;
            case Align::Right:
                EXPECT_LE(rightGap, kPunctuation) << label.id;
                EXPECT_LT(rightGap, leftGap) << label.id;
                break;
            default:
                EXPECT_LE(std::abs(leftGap - rightGap), kPunctuation) << label.id;
                break;
        }
    }

    WindowHarness w;
};

TEST_P(ScreenControls, ShowsItsControlsAndHidesTheRestFromAnyScreenAndLanguage) {
    for (ScreenKind from : kSnapshotKinds) {
        w.document.show(from);
        w.document.show(GetParam().kind);
        expectShownExactly(("from screen " + std::to_string(static_cast<int>(from))).c_str());
    }
    w.chooseLanguage(1);
    expectShownExactly("after a language change");
}

TEST_P(ScreenControls, PaintsEachLabelInItsRectangleColoursAndAlignment) {
    w.document.show(GetParam().kind);
    for (const Label& label : GetParam().labels) {
        expectPainted(label);
    }
    EXPECT_TRUE(w.prompts.messages.empty());
}

TEST_P(ScreenControls, PickMovesAndRestylesNothing) {
    w.document.show(GetParam().kind);
    const auto& controls = w.document.controls();
    std::vector<std::pair<Rect, int>> before;
    for (int id : controls.replicaPaintOrder()) {
        before.emplace_back(controls.rect(id), controls.style(id));
    }
    ASSERT_TRUE(w.document.show(GetParam().kind, 1));
    for (std::size_t k = 0; k < before.size(); ++k) {
        const int id = controls.replicaPaintOrder()[k];
        EXPECT_EQ(controls.rect(id), before[k].first) << id;
        EXPECT_EQ(controls.style(id), before[k].second) << id;
    }
    EXPECT_TRUE(w.prompts.messages.empty());
}

TEST_P(ScreenControls, CaptionsInEnglishThenInFrenchThroughPicks) {
    w.document.show(GetParam().kind);
    for (const auto& [id, text] : GetParam().english) {
        EXPECT_EQ(w.text(id), text) << id;
    }
    w.chooseLanguage(1);
    ASSERT_TRUE(w.document.show(GetParam().kind, 1));
    ASSERT_TRUE(w.document.show(GetParam().kind, 0));
    for (const auto& [id, text] : GetParam().french) {
        EXPECT_EQ(w.text(id), text) << id;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryScreen, ScreenControls, ::testing::ValuesIn(kScreens),
                         [](const ::testing::TestParamInfo<ScreenCase>& testCase) {
                             return std::string(testCase.param.name);
                         });

}  // namespace
}  // namespace mirelta::testing
