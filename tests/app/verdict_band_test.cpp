// SPDX-License-Identifier: GPL-3.0-or-later
// The verdict line under the replica follows the shown snapshot.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>

#include "app/mirelta_dlg.h"
#include "fixtures/image_builder.h"
#include "fixtures/scratch_folder.h"
#include "platform/scripted_prompts.h"
#include "platform/window_template.h"

namespace mirelta {
namespace {

class VerdictLineWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        fixtures::ImageBuilder image;
        // DVB-S2 QPSK 3/4 needs 4.03 dB, DVB-S 1/2 4.15 dB.
        image.addFind(0, {.label = "good", .cn = 1000, .system = 3, .modcod = 7, .lockFlag = 1})
            .addFind(1, {.label = "unlocked", .cn = 1000, .system = 3, .modcod = 7})
            .addFind(2, {.label = "odd", .cn = 1000, .system = 1, .codeRate = 4, .lockFlag = 1})
            .addConstellation(0,
                              {.label = "weak", .system = 1, .codeRate = 1, .cn = 600, .mer = 500})
            .addSpectrum(0, {.label = "sweep", .leftFrequency = 2150, .rightFrequency = 950});
        image.writeTo(folder / "records.dat");
        band = dlg.findChild<QLabel*>(QStringLiteral("verdictBand"));
        ASSERT_NE(band, nullptr);
    }

    void open() {
        dlg.OpenDroppedOrGiven(QString::fromStdString((folder / "records.dat").string()));
    }
    void pick(int listId, int entry) {
        emit qobject_cast<QComboBox*>(dlg.panel().widget(listId))->activated(entry);
    }
    std::string line() const { return band->isHidden() ? "" : band->text().toStdString(); }
    // The band as painted, at its last pixel, clear of the text.
    QColor background() const {
        const QImage picture = band->grab().toImage();
        return picture.pixelColor(picture.width() - 1, picture.height() - 1);
    }

    ScriptedPrompts prompts;
    CMireltaDlg dlg{prompts};
    fixtures::ScratchFolder folder;
    QLabel* band = nullptr;
};

TEST_F(VerdictLineWindow, LiesInTheFreeBandUnderTheReplica) {
    EXPECT_GE(band->geometry().top(), 480);
    EXPECT_LE(band->geometry().right(), 719);
    EXPECT_FALSE(band->geometry().intersects(dlg.panel().widget(ids::FindList)->geometry()));
}

TEST_F(VerdictLineWindow, FollowsEveryPickAndScreen) {
    EXPECT_EQ(line(), "");
    open();
    EXPECT_EQ(line(), "PASS: margin 5.9 dB over the 4.0 dB that QPSK 3/4 needs");
    EXPECT_EQ(background(), QColor(150, 220, 150));
    pick(ids::FindList, 1);
    EXPECT_EQ(line(), "FAIL: no lock");
    EXPECT_EQ(background(), QColor(240, 120, 120));
    pick(ids::FindList, 2);
    EXPECT_EQ(line(), "not rated: no published threshold for this mode");
    pick(ids::UiList, 1);
    EXPECT_EQ(line(),
              "MARGINAL: margin 1.8 dB over the 4.2 dB that QPSK 1/2 needs, MER margin 0.8 dB");
    EXPECT_EQ(background(), QColor(255, 200, 90));
    pick(ids::UiList, 2);
    EXPECT_EQ(line(), "");
    pick(ids::UiList, 0);
    EXPECT_EQ(line(), "not rated: no published threshold for this mode");
}

}  // namespace
}  // namespace mirelta
