// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/window_template.h"
#include "window_harness.h"

namespace mirelta::testing {
namespace {

struct Placement {
    int id;
    Rect rect;
    int alignment;  // -1: not checked (icons and the panel)
};

// Every control the Find screen places, with its rectangle and alignment.
const Placement kPlacements[] = {
    {1015, {530, 14, 570, 44}, -1},   {1018, {530, 14, 570, 44}, -1},
    {1038, {60, 442, 100, 472}, -1},  {1019, {205, 442, 245, 472}, -1},
    {1020, {350, 442, 390, 472}, -1}, {1021, {495, 442, 535, 472}, -1},
    {1006, {105, 442, 205, 472}, 0},  {1007, {250, 442, 350, 472}, 0},
    {1037, {395, 442, 495, 472}, 0},  {1005, {540, 442, 670, 472}, 0},
    {1008, {40, 60, 190, 90}, 0},     {1009, {40, 95, 190, 125}, 0},
    {1010, {40, 130, 190, 160}, 0},   {1011, {40, 165, 190, 195}, 0},
    {1012, {40, 200, 190, 230}, 0},   {1013, {40, 235, 190, 265}, 0},
    {1014, {40, 270, 190, 300}, 0},   {1024, {40, 305, 190, 335}, 0},
    {1025, {215, 60, 460, 90}, 1},    {1026, {215, 95, 460, 125}, 1},
    {1027, {190, 130, 490, 160}, 1},  {1028, {190, 165, 490, 195}, 1},
    {1029, {190, 200, 490, 230}, 1},  {1030, {190, 235, 490, 265}, 1},
    {1031, {190, 270, 490, 300}, 1},  {1032, {190, 305, 490, 335}, 1},
    {1004, {500, 50, 720, 340}, -1},  {1033, {530, 60, 680, 120}, 1},
    {1034, {500, 130, 580, 170}, 2},  {1035, {584, 132, 720, 172}, 0},
    {1036, {600, 170, 710, 200}, 1},  {1046, {500, 200, 580, 240}, 2},
    {1047, {594, 200, 720, 240}, 0},  {1048, {500, 244, 590, 274}, 2},
    {1049, {594, 244, 720, 273}, 0},  {1050, {500, 274, 590, 304}, 2},
    {1051, {594, 274, 700, 304}, 1},  {1052, {500, 309, 590, 339}, 2},
    {1053, {594, 309, 700, 339}, 0},  {1054, {40, 340, 190, 388}, 0},
    {1055, {610, 340, 700, 388}, 0},  {1056, {40, 390, 190, 438}, 0},
    {1057, {610, 390, 700, 438}, 0},
};

TEST(FindLayout, EveryControlGetsItsRectangleAndAlignment) {
    WindowHarness w;
    fixtures::ImageBuilder image;
    image.addFind(0, {.lockFlag = 1});
    ASSERT_TRUE(w.open(image));
    for (const Placement& p : kPlacements) {
        EXPECT_EQ(w.logic.controls().rect(p.id), p.rect) << p.id;
        if (p.alignment >= 0) {
            EXPECT_EQ(w.logic.controls().style(p.id) & kAlignmentMask, p.alignment) << p.id;
        }
    }
    EXPECT_TRUE(w.prompts.messages.empty());
}

TEST(FindLayout, CnValueIsOnePixelShorterThanItsCaption) {
    WindowHarness w;
    ASSERT_TRUE(w.open(fixtures::ImageBuilder()));
    EXPECT_EQ(w.logic.controls().rect(1049).height(), 29);
    EXPECT_EQ(w.logic.controls().rect(1048).height(), 30);
}

TEST(FindLayout, UnlockedLockLabelKeepsItsPreviousStyle) {
    WindowHarness w;
    w.logic.controls().setStyle(1033, 2);
    ASSERT_TRUE(w.open(fixtures::ImageBuilder()));
    // The empty text returns before the style is set, so the template's style stays.
    EXPECT_EQ(w.text(1033), "");
    EXPECT_EQ(w.logic.controls().style(1033), 2);
}

TEST(FindLayout, ContentPanelKeepsItsStyle) {
    WindowHarness w;
    w.logic.controls().setStyle(ids::ContentPanel, 0x42);
    ASSERT_TRUE(w.open(fixtures::ImageBuilder()));
    EXPECT_EQ(w.logic.controls().style(ids::ContentPanel), 0x42);
    EXPECT_TRUE(w.prompts.messages.empty());
}

}  // namespace
}  // namespace mirelta::testing
