// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/window_template.h"
#include "window_harness.h"

namespace mirelta::testing {
namespace {

using fixtures::FindFields;
using fixtures::ImageBuilder;

ImageBuilder twoFindsOneSpectrum() {
    ImageBuilder image;
    image.addFind(3, FindFields{.label = "Astra 19.2E"});
    image.addFind(17, FindFields{.label = "Hotbird 13E"});
    image.addSpectrum(5, fixtures::SpectrumFields{.label = "Sweep A"});
    return image;
}

TEST(InitialState, ReplicaHiddenAndOnlyOpenExitLanguageEnabled) {
    WindowHarness w;
    for (const Control& c : w.document.controls().all()) {
        if (c.replica) {
            EXPECT_FALSE(c.visible) << c.id;
        }
    }
    for (int id : {ids::Open, ids::Exit, ids::LanguageList}) {
        EXPECT_TRUE(w.document.controls().isEnabled(id)) << id;
    }
    for (int id : {ids::Save, ids::UiList, ids::FindList, ids::ConstellationList, ids::SpectrumList,
                   ids::Up, ids::Down}) {
        EXPECT_FALSE(w.document.controls().isEnabled(id)) << id;
    }
    EXPECT_FALSE(w.visible(ids::Up));
    EXPECT_FALSE(w.visible(ids::Down));
    EXPECT_EQ(w.document.ScreenMode(), ScreenKind::None);
    EXPECT_FALSE(w.document.DrawEnabled());
    EXPECT_EQ(w.document.controls().find(ids::UiList)->items,
              (std::vector<std::string>{"Find", "Constellation", "Spectrum"}));
    EXPECT_EQ(w.document.controls().selection(ids::LanguageList), 0);
}

TEST(Open, SuccessFillsListsInSlotOrderAndShowsFind) {
    WindowHarness w;
    ASSERT_TRUE(w.open(twoFindsOneSpectrum()));
    EXPECT_TRUE(w.prompts.messages.empty());
    EXPECT_EQ(w.document.controls().find(ids::FindList)->items,
              (std::vector<std::string>{"Astra 19.2E", "Hotbird 13E"}));
    EXPECT_EQ(w.document.controls().find(ids::SpectrumList)->items,
              (std::vector<std::string>{"Sweep A"}));
    EXPECT_EQ(w.document.controls().itemCount(ids::ConstellationList), 0);
    EXPECT_EQ(w.document.controls().selection(ids::FindList), 0);
    EXPECT_EQ(w.document.controls().selection(ids::ConstellationList), -1);
    EXPECT_EQ(w.document.ScreenMode(), ScreenKind::Find);
    EXPECT_TRUE(w.document.DrawEnabled());
    EXPECT_TRUE(w.document.controls().isEnabled(ids::Save));
    EXPECT_TRUE(w.document.controls().isEnabled(ids::UiList));
    EXPECT_EQ(w.document.controls().selection(ids::UiList), 0);
    EXPECT_TRUE(w.document.controls().isEnabled(ids::FindList));
    EXPECT_FALSE(w.document.controls().isEnabled(ids::SpectrumList));
    EXPECT_FALSE(w.document.controls().isEnabled(ids::ConstellationList));
    EXPECT_EQ(w.text(ids::Title), "Satellite Finding");
}

TEST(Open, OpenDialogUsesTheSourceFileFilterAndCancelChangesNothing) {
    WindowHarness w;
    w.document.click(ids::Open);
    ASSERT_EQ(w.prompts.dialogFilters.size(), 1u);
    EXPECT_EQ(w.prompts.dialogFilters[0], "Source file (*.dat)|*.dat|");
    EXPECT_EQ(w.document.ScreenMode(), ScreenKind::None);
    EXPECT_TRUE(w.prompts.messages.empty());
}

TEST(Open, MissingFileSaysOpenFalseWithThePathAndChangesNothing) {
    WindowHarness w;
    ASSERT_TRUE(w.open(twoFindsOneSpectrum()));
    const QImage before = w.document.clientImage();
    const std::string missing = w.tempPath("absent.dat").string();
    w.prompts.fileAnswers.push_back(missing);
    w.document.click(ids::Open);
    ASSERT_EQ(w.prompts.messages.size(), 1u);
    EXPECT_EQ(w.prompts.messages[0], "Open false! \n" + missing);
    EXPECT_EQ(w.document.controls().itemCount(ids::FindList), 2);
    EXPECT_EQ(w.document.clientImage(), before);
}

TEST(Open, ShortFileSaysReadFileErrorAndKeepsWhatWasLoaded) {
    WindowHarness w;
    ASSERT_TRUE(w.open(twoFindsOneSpectrum()));
    w.pickFind(1);
    const QImage before = w.document.clientImage();
    const auto shortPath = w.tempPath("short.dat");
    ImageBuilder().addFind(0, FindFields{.label = "Other"}).writeTo(shortPath, 42651);
    EXPECT_FALSE(w.document.OpenPath(shortPath.string()).ok());
    EXPECT_EQ(w.prompts.messages, (std::vector<std::string>{"Read file error!"}));
    EXPECT_EQ(w.document.controls().find(ids::FindList)->items,
              (std::vector<std::string>{"Astra 19.2E", "Hotbird 13E"}));
    EXPECT_EQ(w.document.lists().selectedFind, 1);
    EXPECT_EQ(w.document.lists().find[1].listLabel(), "Hotbird 13E");
    EXPECT_EQ(w.document.clientImage(), before);
}

TEST(Open, SecondOpenReplacesListsAndReturnsToFind) {
    WindowHarness w;
    ASSERT_TRUE(w.open(twoFindsOneSpectrum(), "first.dat"));
    w.chooseScreen(2);
    ImageBuilder second;
    second.addConstellation(0, fixtures::ConstellationFields{.label = "QPSK 11747"});
    ASSERT_TRUE(w.open(second, "second.dat"));
    EXPECT_EQ(w.document.controls().itemCount(ids::FindList), 0);
    EXPECT_EQ(w.document.controls().itemCount(ids::SpectrumList), 0);
    EXPECT_EQ(w.document.controls().find(ids::ConstellationList)->items,
              (std::vector<std::string>{"QPSK 11747"}));
    EXPECT_EQ(w.document.ScreenMode(), ScreenKind::Find);
    EXPECT_EQ(w.document.controls().selection(ids::UiList), 0);
    EXPECT_TRUE(w.document.lists().find[0].bytes == FindRecord{}.bytes);
}

TEST(Open, WrongSignatureListsNothingButShowsTheFindScreen) {
    WindowHarness w;
    ImageBuilder image = twoFindsOneSpectrum();
    image.setSignature(0xDDCCBBAA);
    ASSERT_TRUE(w.open(image, "photo.png"));  // the scripted answer is Yes
    EXPECT_TRUE(w.prompts.messages.empty());
    EXPECT_EQ(w.prompts.questions,
              (std::vector<std::string>{"photo.png is not a meter file (its signature is not the "
                                        "meter's). Open it as an empty memory?"}));
    EXPECT_EQ(w.document.controls().itemCount(ids::FindList), 0);
    EXPECT_EQ(w.document.controls().itemCount(ids::SpectrumList), 0);
    EXPECT_EQ(w.document.ScreenMode(), ScreenKind::Find);
}

TEST(UiList, EachEntryEnablesOnlyItsOwnRecordList) {
    WindowHarness w;
    ASSERT_TRUE(w.open(twoFindsOneSpectrum()));
    const int lists[] = {ids::FindList, ids::ConstellationList, ids::SpectrumList};
    for (int entry = 0; entry < 3; ++entry) {
        w.chooseScreen(entry);
        EXPECT_EQ(static_cast<int>(w.document.ScreenMode()), entry);
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(w.document.controls().isEnabled(lists[k]), k == entry) << entry << " " << k;
        }
    }
}

TEST(UiList, NoSelectionTurnsDrawingOffAndRepaintsNothing) {
    WindowHarness w;
    ASSERT_TRUE(w.open(twoFindsOneSpectrum()));
    w.chooseScreen(2);
    const QImage before = w.document.clientImage();
    for (int entry : {-1, 7}) {
        w.chooseScreen(entry);
        EXPECT_EQ(w.document.ScreenMode(), ScreenKind::None) << entry;
        EXPECT_FALSE(w.document.DrawEnabled()) << entry;
        EXPECT_TRUE(w.document.controls().isEnabled(ids::SpectrumList)) << entry;
        EXPECT_FALSE(w.document.controls().isEnabled(ids::Up)) << entry;
        EXPECT_FALSE(w.document.controls().isEnabled(ids::Down)) << entry;
        EXPECT_EQ(w.text(ids::Title), "Spectrum Adjust") << entry;
        EXPECT_EQ(w.document.clientImage(), before) << entry;
    }
}

TEST(RecordLists, PickingWithoutASelectionIsIgnored) {
    WindowHarness w;
    ASSERT_TRUE(w.open(twoFindsOneSpectrum()));
    w.pickFind(1);
    w.pickFind(-1);
    EXPECT_EQ(w.document.lists().selectedFind, 1);
    EXPECT_EQ(w.document.ScreenMode(), ScreenKind::Find);
}

}  // namespace
}  // namespace mirelta::testing
