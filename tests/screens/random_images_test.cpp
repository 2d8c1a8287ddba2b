// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>

#include "platform/window_template.h"
#include "window_harness.h"

namespace mirelta::testing {
namespace {

// Every slot occupied by random bytes: whatever a file holds, every screen, pick, pointer
// position and wheel step must keep the window consistent (and, under the sanitizer build,
// free of undefined behaviour).
fixtures::ImageBuilder RandomImage(std::mt19937& random) {
    fixtures::ImageBuilder image;
    std::uniform_int_distribution<int> byte(0, 255);
    for (std::size_t offset = 4; offset < fixtures::kImageSize; ++offset) {
        image.setByte(offset, static_cast<std::uint8_t>(byte(random)));
    }
    image.fill(fixtures::kConstellationMaskAt, 2, 0xFF);
    image.fill(fixtures::kSpectrumMaskAt, 4, 0xFF);
    image.fill(fixtures::kFindMaskAt, 4, 0xFF);
    return image;
}

TEST(RandomImages, EveryScreenRecordAndPointerPositionStaysConsistent) {
    std::mt19937 random(20261207);
    for (int round = 0; round < 6; ++round) {
        WindowHarness w;
        ASSERT_TRUE(w.open(RandomImage(random)));
        ASSERT_EQ(w.document.controls().itemCount(ids::FindList), 32);
        ASSERT_EQ(w.document.controls().itemCount(ids::ConstellationList), 16);
        for (int language : {0, 1}) {
            w.chooseLanguage(language);
            for (int screen = 0; screen < 3; ++screen) {
                w.chooseScreen(screen);
                const int list = screen == 0   ? ids::FindList
                                 : screen == 1 ? ids::ConstellationList
                                               : ids::SpectrumList;
                for (int entry = 0; entry < w.document.controls().itemCount(list); entry += 3) {
                    w.document.choose(list, entry);
                    for (int x = 70; x <= 700; x += 157) {
                        w.document.TrackCursor(QPoint(x, 200));
                        w.document.RefLevelByWheel(entry % 2 == 0 ? 120 : -120);
                        w.document.RedrawTrace();
                        w.document.RefreshCursorReadout();
                    }
                }
                EXPECT_EQ(static_cast<int>(w.document.ScreenMode()), screen);
                EXPECT_TRUE(w.document.DrawEnabled());
            }
        }
        EXPECT_EQ(w.document.spectrum().RefLevelTop() - w.document.spectrum().RefLevelBottom(), 30);
        EXPECT_GE(w.document.spectrum().RefLevelBottom(), 0);
        EXPECT_LE(w.document.spectrum().RefLevelTop(), 100);
        EXPECT_EQ(w.document.clientImage().size(), QSize(720, 480));
        EXPECT_TRUE(w.prompts.messages.empty());
    }
}

}  // namespace
}  // namespace mirelta::testing
