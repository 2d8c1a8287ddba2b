// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>

#include "window_harness.h"

namespace mirelta::testing {
namespace {

// The replica controls the Find screen shows for a horizontal record; all others are hidden.
std::set<int> FindScreenShows(bool vertical) {
    std::set<int> shown{1001, 1002, 1003, 1004, 1016,
                        1017, 1038, 1019, 1020, 1021,
                        1005, 1006, 1007, 1037, vertical ? 1015 : 1018};
    for (int id = 1008; id <= 1014; ++id) {
        shown.insert(id);
    }
    for (int id = 1024; id <= 1036; ++id) {
        shown.insert(id);
    }
    for (int id = 1046; id <= 1057; ++id) {
        shown.insert(id);
    }
    return shown;
}

void ExpectExactly(const WindowHarness& w, const std::set<int>& shown, const char* when) {
    for (int id : w.logic.controls().replicaPaintOrder()) {
        EXPECT_EQ(w.visible(id), shown.count(id) == 1) << id << " " << when;
    }
}

TEST(FindVisibility, EveryReplicaControlIsShownOrHiddenOnEntry) {
    WindowHarness w;
    fixtures::ImageBuilder image;
    image.addFind(0, {.lnbType = 3});
    ASSERT_TRUE(w.open(image));
    ExpectExactly(w, FindScreenShows(false), "after open");
}

TEST(FindVisibility, ComingBackFromOtherScreens) {
    WindowHarness w;
    fixtures::ImageBuilder image;
    image.addFind(0, {.polarisation = 1});
    ASSERT_TRUE(w.open(image));
    w.chooseScreen(1);
    w.chooseScreen(0);
    ExpectExactly(w, FindScreenShows(true), "from constellation");
    w.chooseScreen(2);
    w.chooseScreen(0);
    ExpectExactly(w, FindScreenShows(true), "from spectrum");
    w.chooseLanguage(1);
    ExpectExactly(w, FindScreenShows(true), "after a language change");
}

}  // namespace
}  // namespace mirelta::testing
