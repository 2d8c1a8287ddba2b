// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QTest>

#include "app/drop_down_list.h"
#include "app/mirelta_dlg.h"
#include "fixtures/image_builder.h"
#include "fixtures/scratch_folder.h"
#include "platform/scripted_prompts.h"
#include "platform/window_template.h"

namespace mirelta {
namespace {

// Whatever lies under a point of the window gets the mouse press there.
bool TakesTheMouseAt(const QWidget& window, const QWidget* control, QPoint at) {
    const QWidget* under = window.childAt(at);
    return under != nullptr && (under == control || control->isAncestorOf(under));
}

// Every panel control the user can see takes the mouse where it is drawn, on every screen:
// nothing, a frame or a later overlay included, lies on top of it.
TEST(PanelMouse, EveryVisibleControlTakesTheMouseWhereItIsDrawn) {
    fixtures::ScratchFolder folder;
    fixtures::ImageBuilder image;
    image.addFind(0, fixtures::FindFields{.label = "Astra"});
    image.addConstellation(0, fixtures::ConstellationFields{.label = "Hotbird"});
    image.addSpectrum(0, fixtures::SpectrumFields{.label = "Full"});
    image.writeTo(folder / "all.dat");

    ScriptedPrompts prompts;
    CMireltaDlg dlg(prompts);
    dlg.show();
    ASSERT_EQ(dlg.findChildren<QGroupBox*>().size(), 2);
    dlg.OpenDroppedOrGiven(QString::fromStdString((folder / "all.dat").string()));
    auto* ui = qobject_cast<QComboBox*>(dlg.panel().widget(ids::UiList));
    ASSERT_NE(ui, nullptr);

    for (int screen = 0; screen < 3; ++screen) {
        emit ui->activated(screen);
        int checked = 0;
        for (QWidget* control : dlg.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            // The replica and the frames take no mouse input: the window gets it there.
            if (control->isHidden() || control->isWindow() ||
                control->testAttribute(Qt::WA_TransparentForMouseEvents)) {
                continue;
            }
            const QRect r = control->geometry();
            for (const QPoint at :
                 {r.center(), r.topLeft() + QPoint(2, 2), r.bottomRight() - QPoint(2, 2)}) {
                EXPECT_TRUE(TakesTheMouseAt(dlg, control, at))
                    << "screen " << screen << ": " << control->metaObject()->className() << " \""
                    << control->property("text").toString().toStdString() << "\" at " << at.x()
                    << "," << at.y() << " is covered by "
                    << (dlg.childAt(at) ? dlg.childAt(at)->metaObject()->className() : "nothing");
            }
            ++checked;
        }
        // Four buttons (Analysis... with the template's three), five lists, the side label and
        // five captions.
        EXPECT_EQ(checked, 15) << "screen " << screen;
    }
}

// A file without constellation records: the Constellation screen's list is there and empty.
// A click still drops it down (empty), and Esc then closes only the drop-down.
TEST(PanelMouse, EmptyRecordListDropsDownAndEscClosesOnlyThat) {
    fixtures::ScratchFolder folder;
    fixtures::ImageBuilder image;
    image.addFind(0, fixtures::FindFields{.label = "Astra"});
    image.writeTo(folder / "find-only.dat");
    ScriptedPrompts prompts;
    CMireltaDlg dlg(prompts);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    dlg.OpenDroppedOrGiven(QString::fromStdString((folder / "find-only.dat").string()));
    emit qobject_cast<QComboBox*>(dlg.panel().widget(ids::UiList))->activated(1);

    auto* list = dynamic_cast<DropDownList*>(dlg.panel().widget(ids::ConstellationList));
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(list->isEnabled());
    ASSERT_EQ(list->count(), 0);
    QTest::mouseClick(list, Qt::LeftButton);
    QWidget* dropped = list->emptyPopup();
    ASSERT_NE(dropped, nullptr) << "the empty list dropped down";
    EXPECT_EQ(QApplication::activePopupWidget(), dropped);
    EXPECT_EQ(dropped->width(), list->width());

    QTest::keyClick(dropped, Qt::Key_Escape);
    EXPECT_EQ(list->emptyPopup(), nullptr);
    EXPECT_TRUE(dlg.isVisible()) << "Esc closed the drop-down, not the window";
    EXPECT_EQ(dlg.result(), 0);
}

}  // namespace
}  // namespace mirelta
