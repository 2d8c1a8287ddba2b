// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "constellation_test_support.h"
#include "platform/window_template.h"

namespace mirelta::testing {
namespace {

struct Placement {
    int id;
    Rect rect;
    int alignment;  // -1: not checked (bitmaps and the panel)
};

const Placement kPlacements[] = {
    {1004, {350, 50, 720, 440}, -1},  {1008, {30, 70, 100, 108}, 0},
    {1009, {110, 70, 350, 108}, 0},   {1010, {30, 110, 100, 140}, 0},
    {1011, {120, 110, 290, 148}, 0},  {1012, {30, 150, 330, 188}, 1},
    {1013, {30, 210, 100, 248}, 0},   {1014, {110, 190, 260, 258}, 0},
    {1024, {30, 260, 130, 298}, 1},   {1026, {130, 260, 210, 298}, 1},
    {1028, {210, 260, 340, 298}, 1},  {1025, {30, 300, 130, 338}, 1},
    {1027, {130, 300, 210, 338}, 1},  {1029, {210, 300, 340, 338}, 1},
    {1030, {30, 340, 140, 390}, 0},   {1031, {260, 340, 350, 390}, 1},
    {1032, {30, 390, 140, 440}, 0},   {1033, {260, 390, 350, 440}, 1},
    {1038, {80, 442, 120, 472}, -1},  {1036, {125, 442, 245, 472}, 0},
    {1019, {300, 442, 340, 472}, -1}, {1046, {345, 442, 465, 472}, 0},
    {1021, {500, 442, 540, 472}, -1}, {1047, {545, 442, 665, 472}, 0},
    {1034, {500, 50, 530, 76}, 1},    {1035, {355, 220, 385, 246}, 1},
};

TEST(ConstellationLayout, EveryControlGetsItsRectangleAndAlignment) {
    WindowHarness w;
    // Find's layout sets other alignments on several of these controls first.
    OpenConstellation(w, {});
    for (const Placement& p : kPlacements) {
        EXPECT_EQ(w.logic.controls().rect(p.id), p.rect) << p.id;
        if (p.alignment >= 0) {
            EXPECT_EQ(w.logic.controls().style(p.id) & kAlignmentMask, p.alignment) << p.id;
        }
    }
    EXPECT_TRUE(w.prompts.messages.empty());
}

TEST(ConstellationLayout, KeyBitmapsAndFrameKeepTheirPlacesBackOnFind) {
    WindowHarness w;
    OpenConstellation(w, {});
    EXPECT_EQ(w.logic.controls().rect(ids::ScreenArea), (Rect{0, 0, 720, 480}));
    EXPECT_EQ(w.logic.controls().rect(1017), (Rect{625, 18, 667, 38}));
    w.chooseScreen(0);
    EXPECT_EQ(w.logic.controls().rect(1038), (Rect{60, 442, 100, 472}));
    EXPECT_EQ(w.logic.controls().rect(ids::ContentPanel), (Rect{500, 50, 720, 340}));
}

}  // namespace
}  // namespace mirelta::testing
