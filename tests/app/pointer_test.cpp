// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QEnterEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QTest>
#include <QToolTip>
#include <QWheelEvent>
#include <filesystem>

#include "app/mirelta_dlg.h"
#include "fixtures/image_builder.h"
#include "fixtures/scratch_folder.h"
#include "platform/scripted_prompts.h"
#include "platform/window_template.h"

namespace mirelta {
namespace {

// The desktop window's own event routing on the Spectrum screen: pointer, wheel, lists.
class SpectrumWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        fixtures::SpectrumFields sweep{
            .label = "Full", .leftFrequency = 2150, .rightFrequency = 950, .spanCode = 0};
        sweep.levels.fill(50);
        fixtures::ImageBuilder image;
        image.addSpectrum(0, sweep);
        image.writeTo(folder / "sweep.dat");
        dlg.OpenDroppedOrGiven(QString::fromStdString((folder / "sweep.dat").string()));
        auto* ui = qobject_cast<QComboBox*>(dlg.panel().widget(ids::UiList));
        QTest::keyClick(ui, Qt::Key_End);  // the user picks "Spectrum", the last entry
    }

    void moveTo(QPoint at) {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(dlg.mapToGlobal(at)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&dlg, &move);
    }
    void wheel(int delta) {
        const QPointF at(300, 200);
        QWheelEvent event(at, dlg.mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&dlg, &event);
    }
    // Runs the event loop until `done` holds; generous, so a loaded machine does not fail it.
    template <typename Done>
    static bool runEventsUntil(Done done) {
        return QTest::qWaitFor(done, 5000);
    }
    QRgb pixel(int x, int y) { return dlg.document().clientImage().pixel(x, y); }

    ScriptedPrompts prompts;
    CMireltaDlg dlg{prompts};
    fixtures::ScratchFolder folder;
};

TEST_F(SpectrumWindow, ListChoiceShowsTheSpectrum) {
    EXPECT_EQ(dlg.document().ScreenMode(), ScreenKind::Spectrum);
    EXPECT_TRUE(dlg.panel().widget(ids::SpectrumList)->isEnabled());
    EXPECT_FALSE(dlg.panel().widget(ids::FindList)->isEnabled());
}

TEST_F(SpectrumWindow, CrossHairFollowsThePointerWithinAFrame) {
    moveTo(QPoint(300, 200));
    EXPECT_EQ(dlg.document().spectrum().CursorX(), 300);
    EXPECT_NE(pixel(300, 100), qRgb(255, 0, 0)) << "drawn on the next frame, not at once";
    ASSERT_TRUE(runEventsUntil([&] { return pixel(300, 100) == qRgb(255, 0, 0); }));
    EXPECT_EQ(pixel(150, 200), qRgb(255, 0, 0));
    EXPECT_EQ(dlg.document().spectrum().toolTipText(), "[ 1702MHz : 50 ]");
    moveTo(QPoint(400, 120));
    ASSERT_TRUE(runEventsUntil([&] { return pixel(400, 100) == qRgb(255, 0, 0); }));
    EXPECT_NE(pixel(300, 100), qRgb(255, 0, 0)) << "the old cross-hair is gone";
}

TEST_F(SpectrumWindow, CrossHairGoesWhenThePointerLeavesThePlotForTheWindowOnly) {
    moveTo(QPoint(300, 200));
    ASSERT_TRUE(runEventsUntil([&] { return pixel(300, 100) == qRgb(255, 0, 0); }));
    // Leaving the window straight from the plot: no move reaches it, the cross-hair stays.
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&dlg, &leave);
    QCoreApplication::processEvents();
    EXPECT_EQ(pixel(300, 100), qRgb(255, 0, 0));
    // A move from the plot to elsewhere in the window redraws once, without the cross-hair.
    moveTo(QPoint(30, 30));
    EXPECT_TRUE(runEventsUntil([&] { return pixel(300, 100) != qRgb(255, 0, 0); }));
    EXPECT_NE(pixel(150, 200), qRgb(255, 0, 0));
    // Straight onto a panel control, whose moves stay with it: its entry counts as the move.
    moveTo(QPoint(300, 200));
    ASSERT_TRUE(runEventsUntil([&] { return pixel(300, 100) == qRgb(255, 0, 0); }));
    QWidget* open = dlg.panel().widget(ids::Open);
    QEnterEvent enter(QPointF(5, 5), QPointF(open->mapTo(&dlg, QPoint(5, 5))),
                      QPointF(open->mapToGlobal(QPoint(5, 5))));
    QCoreApplication::sendEvent(open, &enter);
    EXPECT_TRUE(runEventsUntil([&] { return pixel(300, 100) != qRgb(255, 0, 0); }));
}

TEST_F(SpectrumWindow, ToolTipShowsTheLastReadOutOverTheWindowOnly) {
    moveTo(QPoint(300, 200));
    ASSERT_TRUE(runEventsUntil([&] { return !dlg.document().spectrum().toolTipText().empty(); }));
    const auto askForTip = [this](QPoint at) {
        QHelpEvent help(QEvent::ToolTip, at, dlg.mapToGlobal(at));
        QCoreApplication::sendEvent(&dlg, &help);
    };
    askForTip(QPoint(300, 200));
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), "[ 1702MHz : 50 ]");
    askForTip(dlg.panel().widget(ids::Open)->geometry().center());
    EXPECT_TRUE(runEventsUntil([] { return !QToolTip::isVisible(); }));
}

TEST_F(SpectrumWindow, ReadOutReachesTheLabelsOnTheTimer) {
    moveTo(QPoint(100, 200));
    ASSERT_TRUE(runEventsUntil([&] { return dlg.document().controls().text(1026) == "2102"; }));
    EXPECT_EQ(dlg.document().controls().text(1031), "50");
}

TEST_F(SpectrumWindow, EachWheelNotchMovesTheWindowFiveDecibels) {
    moveTo(QPoint(300, 200));
    wheel(120);
    EXPECT_EQ(dlg.document().spectrum().RefLevelBottom(), 45);
    EXPECT_EQ(dlg.document().controls().text(1008), "75");
    wheel(-120);
    wheel(-120);
    EXPECT_EQ(dlg.document().spectrum().RefLevelBottom(), 35);
    // A fine-grained wheel adds up to a notch before it steps.
    wheel(40);
    wheel(40);
    EXPECT_EQ(dlg.document().spectrum().RefLevelBottom(), 35);
    wheel(40);
    EXPECT_EQ(dlg.document().spectrum().RefLevelBottom(), 40);
}

TEST_F(SpectrumWindow, WheelOutsideThePlotDoesNothing) {
    moveTo(QPoint(30, 30));
    wheel(120);
    EXPECT_EQ(dlg.document().spectrum().RefLevelBottom(), 40);
}

}  // namespace
}  // namespace mirelta
