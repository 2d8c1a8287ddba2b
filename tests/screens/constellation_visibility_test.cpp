// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>

#include "constellation_test_support.h"

namespace mirelta::testing {
namespace {

std::set<int> ConstellationScreenShows() {
    std::set<int> shown{1001, 1002, 1003, 1004, 1017, 1038, 1019, 1021, 1046, 1047};
    for (int id = 1008; id <= 1014; ++id) {
        shown.insert(id);
    }
    for (int id = 1024; id <= 1036; ++id) {
        shown.insert(id);
    }
    return shown;
}

void ExpectExactly(const WindowHarness& w, const char* when) {
    const std::set<int> shown = ConstellationScreenShows();
    for (int id : w.logic.controls().replicaPaintOrder()) {
        EXPECT_EQ(w.visible(id), shown.count(id) == 1) << id << " " << when;
    }
}

TEST(ConstellationVisibility, EveryReplicaControlIsShownOrHidden) {
    WindowHarness w;
    fixtures::ImageBuilder image;
    image.addFind(0, {.polarisation = 1});  // the Find screen showed 13v, 22k and more
    ASSERT_TRUE(w.open(image));
    w.chooseScreen(1);
    ExpectExactly(w, "from find");
    w.chooseScreen(2);
    w.chooseScreen(1);
    ExpectExactly(w, "from spectrum");
    w.chooseLanguage(1);
    ExpectExactly(w, "after a language change");
}

}  // namespace
}  // namespace mirelta::testing
