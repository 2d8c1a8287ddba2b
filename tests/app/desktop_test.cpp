// SPDX-License-Identifier: GPL-3.0-or-later
// What the desktop adds to the main window, driven through its keys, menus and dialogs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>

#include "app/about_dlg.h"
#include "app/mirelta_dlg.h"
#include "app/qt_prompts.h"
#include "app/replica_view.h"
#include "fixtures/image_builder.h"
#include "fixtures/scratch_folder.h"
#include "mirelta_version.h"
#include "platform/scripted_prompts.h"
#include "platform/window_template.h"

namespace mirelta {
namespace {

// Runs `handle` on the popup or modal dialog that `open` brings up, once it is on screen.
template <typename Shown>
void WhileShown(const std::function<void()>& open, const std::function<void(Shown*)>& handle) {
    bool handled = false;
    QTimer::singleShot(0, [&] {
        QWidget* up = QApplication::activePopupWidget();
        if (up == nullptr) {
            up = QApplication::activeModalWidget();
        }
        auto* shown = qobject_cast<Shown*>(up);
        EXPECT_NE(shown, nullptr) << "nothing of the expected kind came up";
        if (shown != nullptr) {
            handle(shown);
            handled = true;
            shown->close();
        }
    });
    open();
    EXPECT_TRUE(handled);
}

std::string BytesOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class Desktop : public ::testing::Test {
  protected:
    std::string writeFile(const std::string& name, const std::vector<std::string>& labels) {
        fixtures::ImageBuilder image;
        for (std::size_t k = 0; k < labels.size(); ++k) {
            image.addFind(static_cast<int>(k), fixtures::FindFields{.label = labels[k]});
        }
        const auto path = folder / name;
        image.writeTo(path);
        return path.string();
    }

    // The entries of the context menu's Open Recent submenu; `choose` picks one of them, and
    // `unavailable` gets those that cannot be chosen.
    QStringList recentEntries(int choose = -1, QStringList* unavailable = nullptr) {
        QCoreApplication::processEvents();  // the window stores a file once it has shown it
        QStringList entries;
        WhileShown<QMenu>(
            [this] {
                QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(100, 100),
                                        dlg.mapToGlobal(QPoint(100, 100)));
                QApplication::sendEvent(&dlg, &event);
            },
            [&](QMenu* menu) {
                for (QAction* action : menu->actions()) {
                    if (action->menu() == nullptr || action->text() != "Open &Recent") {
                        continue;
                    }
                    const auto recent = action->menu()->actions();
                    for (QAction* entry : recent) {
                        if (entry->isSeparator()) {
                            break;  // the files end there; Clear follows
                        }
                        entries << entry->text();
                        if (unavailable != nullptr && !entry->isEnabled()) {
                            *unavailable << entry->text();
                        }
                    }
                    if (choose >= 0 && choose < recent.size()) {
                        recent[choose]->trigger();
                    }
                }
            });
        return entries;
    }

    QComboBox* findList() { return qobject_cast<QComboBox*>(dlg.panel().widget(ids::FindList)); }

    void showActive() {
        dlg.show();
        dlg.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    }

    fixtures::ScratchFolder folder;
    ScriptedPrompts prompts;
    CMireltaDlg dlg{prompts};
};

TEST_F(Desktop, OpenRecentHoldsTheLastEightFilesNewestFirstAndOpensThem) {
    EXPECT_TRUE(recentEntries().isEmpty());
    QStringList opened;
    for (int k = 0; k < 9; ++k) {
        opened.prepend(QString::fromStdString(
            writeFile("file" + std::to_string(k) + ".dat", {"Sat" + std::to_string(k)})));
        dlg.OpenDroppedOrGiven(opened.first());
    }
    dlg.OpenDroppedOrGiven(opened[3]);  // opened again: moves to the top
    QStringList expected = opened.mid(0, 8);
    expected.move(3, 0);
    EXPECT_EQ(recentEntries(), expected);

    recentEntries(5);
    EXPECT_EQ(findList()->currentText(), QFileInfo(expected[5]).baseName().replace("file", "Sat"));
}

TEST_F(Desktop, AMissingRecentFileShowsAsUnavailableAndIsDroppedIfItGoesOnceShown) {
    const QString kept = QString::fromStdString(writeFile("kept.dat", {"Kept"}));
    const QString gone = QString::fromStdString(writeFile("gone.dat", {"Gone"}));
    dlg.OpenDroppedOrGiven(kept);
    dlg.OpenDroppedOrGiven(gone);
    std::filesystem::remove(gone.toStdString());

    QStringList unavailable;
    const QString missing = gone + "  (missing)";
    EXPECT_EQ(recentEntries(-1, &unavailable), (QStringList{missing, kept}));
    EXPECT_EQ(unavailable, QStringList{missing});
    EXPECT_TRUE(prompts.messages.empty());

    // Chosen from a menu shown while it was still there.
    dlg.OpenRecent(gone);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_NE(prompts.messages[0].find(gone.toStdString()), std::string::npos);
    EXPECT_EQ(findList()->currentText(), "Gone") << "the file shown stays";
    EXPECT_EQ(recentEntries(), QStringList{kept});
}

TEST_F(Desktop, TheNextWindowStartsInTheLanguageAndPlaceOfTheLastOneClosed) {
    auto* language = qobject_cast<QComboBox*>(dlg.panel().widget(ids::LanguageList));
    language->activated(1);
    dlg.move(40, 30);
    dlg.OnCancel();

    ScriptedPrompts nextPrompts;
    CMireltaDlg next{nextPrompts};
    EXPECT_EQ(next.document().Language(), UiLanguage::French);
    EXPECT_EQ(qobject_cast<QComboBox*>(next.panel().widget(ids::LanguageList))->currentIndex(), 1);
    EXPECT_EQ(next.pos(), dlg.pos());
}

TEST_F(Desktop, PageDownAndPageUpStepThroughTheRecordListAsAPickWould) {
    const std::string path = writeFile("three.dat", {"First", "Second", "Third"});
    ScriptedPrompts pickPrompts;
    CMireltaDlg picked{pickPrompts};
    picked.OpenDroppedOrGiven(QString::fromStdString(path));
    auto* pickList = qobject_cast<QComboBox*>(picked.panel().widget(ids::FindList));
    pickList->activated(1);

    dlg.OpenDroppedOrGiven(QString::fromStdString(path));
    showActive();
    QTest::keyClick(&dlg, Qt::Key_PageDown);
    EXPECT_EQ(findList()->currentIndex(), 1);
    EXPECT_EQ(dlg.document().clientImage(), picked.document().clientImage());

    const struct {
        Qt::Key key;
        int presses;
        int entry;
    } steps[] = {{Qt::Key_PageDown, 3, 2}, {Qt::Key_PageUp, 1, 1}, {Qt::Key_PageUp, 4, 0}};
    for (const auto& step : steps) {
        for (int k = 0; k < step.presses; ++k) {
            QTest::keyClick(&dlg, step.key);
        }
        EXPECT_EQ(findList()->currentIndex(), step.entry);
        EXPECT_EQ(dlg.document().controls().selection(ids::FindList), step.entry);
    }
}

TEST_F(Desktop, CtrlCCopiesTheReplica) {
    showActive();
    QTest::keyClick(&dlg, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(prompts.messages, (std::vector<std::string>{"Please open a source file at first!"}));

    dlg.OpenDroppedOrGiven(QString::fromStdString(writeFile("one.dat", {"Astra"})));
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(&dlg, Qt::Key_C, Qt::ControlModifier);
    const QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), QSize(720, 480));
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32),
              dlg.document().clientImage().copy(0, 0, 720, 480));
}

TEST_F(Desktop, TheEmptyReplicaShowsAHintUntilAFileIsOpen) {
    ReplicaView* view = nullptr;
    for (QWidget* child : dlg.findChildren<QWidget*>()) {
        view = view != nullptr ? view : dynamic_cast<ReplicaView*>(child);
    }
    ASSERT_NE(view, nullptr);
    const auto shownOverReplica = [&] {
        const QImage shown = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
        return shown != dlg.document().clientImage().copy(QRect(QPoint(0, 0), shown.size()));
    };
    EXPECT_TRUE(shownOverReplica());
    dlg.OpenDroppedOrGiven(QString::fromStdString(writeFile("one.dat", {"Astra"})));
    EXPECT_FALSE(shownOverReplica());
}

TEST(AboutBox, NamesTheBuildVersionAndLicenceBeneathItsVersionLine) {
    CAboutDlg about(nullptr);
    about.layout()->activate();
    const QLabel* title = nullptr;
    const QLabel* build = nullptr;
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        if (label->text() == "Mirelta Version 1.0") {
            title = label;
        } else if (label->text().contains(QString::fromLatin1(kVersion)) &&
                   label->text().contains("GPL-3.0-or-later")) {
            build = label;
        }
    }
    ASSERT_NE(title, nullptr);
    ASSERT_NE(build, nullptr);
    EXPECT_GE(build->geometry().top(), title->geometry().bottom());
}

TEST(FileDialogs, StartInTheFolderLastUsedAndSaveStillProposesZop) {
    fixtures::ScratchFolder folder;
    std::filesystem::create_directories(folder / "in");
    std::filesystem::create_directories(folder / "out");
    const QString in = QString::fromStdString((folder / "in").string());
    const QString out = QString::fromStdString((folder / "out").string());
    fixtures::ImageBuilder().writeTo(folder / "in" / "meter.dat");
    {
        QtPrompts prompts;
        WhileShown<QFileDialog>([&] { prompts.openFileName("Source file (*.dat)|*.dat|"); },
                                [&](QFileDialog* dialog) {
                                    dialog->selectFile(in + "/meter.dat");
                                    static_cast<QDialog*>(dialog)->accept();
                                });
        WhileShown<QFileDialog>(
            [&] { prompts.saveFileName(".bmp", "zop", "Bmp File (*.bmp)|*.bmp|"); },
            [&](QFileDialog* dialog) {
                dialog->selectFile(out + "/shot.bmp");
                static_cast<QDialog*>(dialog)->accept();
            });
    }
    QtPrompts nextRun;
    WhileShown<QFileDialog>([&] { nextRun.openFileName("Source file (*.dat)|*.dat|"); },
                            [&](QFileDialog* dialog) {
                                EXPECT_EQ(dialog->directory().absolutePath(), in);
                                dialog->reject();
                            });
    WhileShown<QFileDialog>([&] { nextRun.saveFileName(".bmp", "zop", "Bmp File (*.bmp)|*.bmp|"); },
                            [&](QFileDialog* dialog) {
                                EXPECT_EQ(dialog->directory().absolutePath(), out);
                                ASSERT_FALSE(dialog->selectedFiles().isEmpty());
                                EXPECT_EQ(QFileInfo(dialog->selectedFiles().first()).fileName(),
                                          "zop.bmp");
                                dialog->reject();
                            });
}

// The window exports the image it shows, so the file may be gone by then.
TEST_F(Desktop, ExportAllWritesWhatTheCommandLineWrites) {
    const auto source = folder / "demo.dat";
    std::filesystem::copy_file(MIRELTA_DEMO_FILE, source);
    dlg.OpenDroppedOrGiven(QString::fromStdString(source.string()));
    std::filesystem::remove(source);
    const auto byWindow = folder / "window";
    prompts.fileAnswers.push_back(byWindow.string());
    showActive();
    QTest::keyClick(&dlg, Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_FALSE(prompts.messages.empty());
    EXPECT_EQ(prompts.messages.back(), "Wrote 16 of 16 pictures to " + byWindow.string());

    const auto byCli = folder / "cli";
    const std::string command = std::string(MIRELTA_CLI_PATH) + " export-all '" +
                                MIRELTA_DEMO_FILE + "' -d '" + byCli.string() + "' > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(byCli)) {
        names.insert(entry.path().filename().string());
        EXPECT_EQ(BytesOf(entry.path()), BytesOf(byWindow / entry.path().filename()))
            << entry.path().filename();
    }
    EXPECT_EQ(names.size(), 16u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(byWindow), {}), 16);
}

}  // namespace
}  // namespace mirelta
