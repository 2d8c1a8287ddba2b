// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <filesystem>
#include <fstream>

#include "app/about_dlg.h"
#include "app/mirelta_dlg.h"
#include "app/qt_prompts.h"
#include "fixtures/image_builder.h"
#include "fixtures/scratch_folder.h"
#include "platform/scripted_prompts.h"
#include "platform/window_template.h"

namespace mirelta {
namespace {

class MainWindow : public ::testing::Test {
  protected:
    std::string openDemo() {
        const auto path = folder / "records.dat";
        fixtures::ImageBuilder image;
        image.addFind(0, fixtures::FindFields{.label = "Astra", .strength = 60, .lockFlag = 1});
        image.writeTo(path);
        EXPECT_TRUE(dlg.document().OpenPath(path.string()).ok());
        return path.string();
    }

    static std::vector<char> bytesOf(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    ScriptedPrompts prompts;
    CMireltaDlg dlg{prompts};
    fixtures::ScratchFolder folder;
};

TEST_F(MainWindow, HasTheTemplatesTitleSizeAndPanel) {
    EXPECT_EQ(dlg.windowTitle(), "Mirelta");
    EXPECT_EQ(dlg.size(), QSize(864, 608));
    auto* open = qobject_cast<QPushButton*>(dlg.panel().widget(ids::Open));
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->text(), "Open");
    EXPECT_EQ(open->geometry().topLeft(), QPoint(738, 338));
    EXPECT_TRUE(open->isDefault());
    EXPECT_FALSE(dlg.panel().widget(ids::Save)->isEnabled());
    EXPECT_TRUE(dlg.panel().widget(ids::Exit)->isEnabled());
    EXPECT_TRUE(dlg.panel().widget(ids::Up)->isHidden());
    auto* language = qobject_cast<QComboBox*>(dlg.panel().widget(ids::LanguageList));
    ASSERT_NE(language, nullptr);
    EXPECT_EQ(language->count(), 2);
    EXPECT_EQ(language->currentText(), "English");
    bool misspeltCaptionFound = false;
    for (const QLabel* label : dlg.findChildren<QLabel*>()) {
        misspeltCaptionFound |= label->text() == "Specturm list";
    }
    EXPECT_TRUE(misspeltCaptionFound);
}

TEST_F(MainWindow, OpeningFillsTheRealListsAndEnablesSave) {
    openDemo();
    auto* find = qobject_cast<QComboBox*>(dlg.panel().widget(ids::FindList));
    ASSERT_NE(find, nullptr);
    EXPECT_EQ(find->count(), 1);
    EXPECT_EQ(find->currentText(), "Astra");
    EXPECT_TRUE(find->isEnabled());
    EXPECT_TRUE(dlg.panel().widget(ids::Save)->isEnabled());
    auto* ui = qobject_cast<QComboBox*>(dlg.panel().widget(ids::UiList));
    EXPECT_EQ(ui->currentText(), "Find");
}

TEST_F(MainWindow, SaveWithoutAFileAsksToOpenOne) {
    dlg.OnOK();
    EXPECT_EQ(prompts.messages, (std::vector<std::string>{"Please open a source file at first!"}));
    EXPECT_TRUE(prompts.dialogFilters.empty());
}

TEST_F(MainWindow, SaveOffersBmpThenPngAndWritesTheReplica) {
    openDemo();
    const auto target = folder / "shot.bmp";
    prompts.fileAnswers.push_back(target.string());
    testing::internal::CaptureStdout();
    dlg.OnOK();
    const std::string out = testing::internal::GetCapturedStdout();
    ASSERT_EQ(prompts.dialogFilters.size(), 1u);
    EXPECT_TRUE(
        prompts.dialogFilters[0].starts_with("Bmp File (*.bmp)|*.bmp|PNG image (*.png)|*.png|"));
    EXPECT_NE(prompts.dialogFilters[0].find("*.jpg"), std::string::npos);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_NE(out.find("720"), std::string::npos);
    EXPECT_NE(out.find("480"), std::string::npos);
    const auto bytes = bytesOf(target);
    ASSERT_GE(bytes.size(), 54u);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    QImage saved(QString::fromStdString(target.string()));
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.size(), QSize(720, 480));
    EXPECT_EQ(saved.pixel(10, 10), dlg.document().clientImage().pixel(10, 10));
    EXPECT_EQ(saved.pixel(300, 470), dlg.document().clientImage().pixel(300, 470));
}

TEST_F(MainWindow, SaveAsPngWritesAPng) {
    openDemo();
    const auto target = folder / "shot.png";
    prompts.fileAnswers.push_back(target.string());
    testing::internal::CaptureStdout();
    dlg.OnOK();
    testing::internal::GetCapturedStdout();
    const auto bytes = bytesOf(target);
    ASSERT_GE(bytes.size(), 8u);
    EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 4), "PNG");
    EXPECT_EQ(QImage(QString::fromStdString(target.string())),
              dlg.document().clientImage().convertToFormat(QImage::Format_RGB32));
}

TEST_F(MainWindow, FailedSaveNamesThePathAndKeepsTheOldFile) {
    openDemo();
    const auto target = folder / "missing-folder" / "shot.bmp";
    prompts.fileAnswers.push_back(target.string());
    testing::internal::CaptureStdout();
    dlg.OnOK();
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("480"), std::string::npos) << "diagnostics come before the failure";
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0], "Cannot save the picture to\n" + target.string());
    EXPECT_EQ(prompts.details[0], "cannot create a file in the folder: No such file or directory");
    EXPECT_FALSE(std::filesystem::exists(target));

    // A directory in the target's place: whatever was there stays.
    const auto occupied = folder / "taken.bmp";
    std::filesystem::create_directory(occupied);
    std::ofstream(occupied / "keep.txt") << "keep";
    prompts.fileAnswers.push_back(occupied.string());
    testing::internal::CaptureStdout();
    dlg.OnOK();
    testing::internal::GetCapturedStdout();
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.details[1], "it is a folder");
    EXPECT_EQ(bytesOf(occupied / "keep.txt"), (std::vector<char>{'k', 'e', 'e', 'p'}));
}

// A private node with the numbers of /dev/full: the write error is shown and the node stays.
TEST_F(MainWindow, SaveIntoAFullDeviceShowsTheReasonAndKeepsTheNode) {
    openDemo();
    const auto node = folder / "full.bmp";
    if (::mknod(node.c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0) {
        GTEST_SKIP() << "mknod is not allowed here";
    }
    prompts.fileAnswers.push_back(node.string());
    testing::internal::CaptureStdout();
    dlg.OnOK();
    testing::internal::GetCapturedStdout();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0], "Cannot save the picture to\n" + node.string());
    EXPECT_EQ(prompts.details[0], "writing failed: No space left on device");
    EXPECT_TRUE(std::filesystem::is_character_file(node));
}

TEST_F(MainWindow, CancelledSaveDialogWritesNothing) {
    openDemo();
    const auto before = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());  // where the dialog's default name would land
    testing::internal::CaptureStdout();
    dlg.OnOK();
    const std::string out = testing::internal::GetCapturedStdout();
    std::filesystem::current_path(before);
    EXPECT_EQ(out, "");
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(prompts.dialogFilters.size(), 1u) << "the dialog was offered and cancelled";
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        names.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(names, std::vector<std::string>{"records.dat"});
}

TEST(AboutBox, ShowsTheVersionUnderItsTitle) {
    CAboutDlg about(nullptr);
    EXPECT_EQ(about.windowTitle(), "About Mirelta");
    bool versionShown = false;
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        versionShown |= label->text() == "Mirelta Version 1.0";
    }
    EXPECT_TRUE(versionShown);
}

TEST(DialogFilters, BecomeTheToolkitsEntries) {
    EXPECT_EQ(DialogFilters("Source file (*.dat)|*.dat|"), QStringList{"Source file (*.dat)"});
    EXPECT_EQ(DialogFilters("Bmp File (*.bmp)|*.bmp|PNG image (*.png)|*.png|"),
              (QStringList{"Bmp File (*.bmp)", "PNG image (*.png)"}));
}

}  // namespace
}  // namespace mirelta
