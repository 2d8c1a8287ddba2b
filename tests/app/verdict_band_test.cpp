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
        // DVB-S2 QPSK 3/4 needs 4.03 dB plus the 0.8 dB allowance, DVB-S 1/2 4.15 dB.
        image.addFind(0, {.label = "good", .cn = 1000, .system = 3, .modcod = 7, .lockFlag = 1})
            .addFind(1, {.label = "unlocked", .cn = 1000, .system = 3, .modcod = 7})
            .addFind(2, {.label = "odd", .cn = 1000, .system = 1, .codeRate = 4, .lockFlag = 1})
            .addConstellation(0,
                              {.label = "weak", .system = 1, .codeRate = 1, .cn = 600, .mer = 500})
            .addConstellation(1, {.label = "lost", .system = 1, .codeRate = 5, .cn = 1, .mer = 1})
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

TEST_F(VerdictLineWindow, FollowsEveryPickScreenAndLanguage) {
    EXPECT_EQ(line(), "");
    open();
    EXPECT_EQ(line(), "PASS: QPSK 3/4 needs 4.8 dB; C/N margin 5.2 dB");
    EXPECT_EQ(background(), QColor(150, 220, 150));
    pick(ids::FindList, 1);
    EXPECT_EQ(line(), "NO LOCK: saved while not locked; power 0.0 dBuV");
    EXPECT_EQ(background(), QColor(170, 190, 215));
    pick(ids::FindList, 2);
    EXPECT_EQ(line(), "not rated: not a DVB-S code rate");
    pick(ids::UiList, 1);
    EXPECT_EQ(line(),
              "MARGINAL on MER: QPSK 1/2 needs 4.2 dB; MER margin 0.8 dB, C/N margin 1.8 dB");
    EXPECT_EQ(background(), QColor(255, 200, 90));
    pick(ids::LanguageList, 1);
    EXPECT_EQ(
        line(),
        "LIMITE selon la MER : QPSK 1/2 requiert 4.2 dB ; marge MER 0.8 dB, marge C/N 1.8 dB");
    // The longest line there is is set small enough to be read whole.
    pick(ids::ConstellationList, 1);
    EXPECT_EQ(line(),
              "NON CONFORME selon le C/N : QPSK 5/6 (affiché None par le mesureur) requiert "
              "7.9 dB ; marge C/N -7.9 dB, marge MER -7.9 dB");
    EXPECT_LE(band->fontMetrics().horizontalAdvance(band->text()),
              band->contentsRect().width() - band->indent());
    pick(ids::UiList, 2);
    EXPECT_EQ(line(), "");
    pick(ids::UiList, 0);
    EXPECT_EQ(line(), "non évalué : pas un rendement de code DVB-S");
    pick(ids::LanguageList, 0);
    EXPECT_EQ(line(), "not rated: not a DVB-S code rate");
}

}  // namespace
}  // namespace mirelta
