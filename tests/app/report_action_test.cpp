// SPDX-License-Identifier: GPL-3.0-or-later
// Ctrl+R in the window writes the report of the open file through the save dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <fstream>

#include "app/mirelta_dlg.h"
#include "fixtures/image_builder.h"
#include "fixtures/scratch_folder.h"
#include "platform/scripted_prompts.h"

namespace mirelta {
namespace {

class ReportShortcut : public ::testing::Test {
  protected:
    void SetUp() override {
        dlg.show();
        QApplication::setActiveWindow(&dlg);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    }
    void pressCtrlR() { QTest::keyClick(&dlg, Qt::Key_R, Qt::ControlModifier); }

    ScriptedPrompts prompts;
    CMireltaDlg dlg{prompts};
    fixtures::ScratchFolder folder;
};

TEST_F(ReportShortcut, WritesAPdfWhereTheUserSays) {
    fixtures::ImageBuilder image;
    image.addFind(0, {.label = "one"});
    image.writeTo(folder / "one.dat");
    dlg.OpenDroppedOrGiven(QString::fromStdString((folder / "one.dat").string()));
    prompts.fileAnswers.push_back((folder / "out.pdf").string());
    pressCtrlR();
    ASSERT_EQ(prompts.dialogFilters.size(), 1u);
    EXPECT_EQ(prompts.dialogFilters[0], "PDF report (*.pdf)|*.pdf|");
    std::ifstream pdf(folder / "out.pdf", std::ios::binary);
    std::string head(5, '\0');
    pdf.read(head.data(), 5);
    EXPECT_EQ(head, "%PDF-");
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(ReportShortcut, AsksForAFileFirst) {
    pressCtrlR();
    EXPECT_EQ(prompts.messages, (std::vector<std::string>{"Please open a source file at first!"}));
    EXPECT_TRUE(prompts.dialogFilters.empty());
}

}  // namespace
}  // namespace mirelta
