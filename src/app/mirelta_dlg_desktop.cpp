// SPDX-License-Identifier: GPL-3.0-or-later
// What the desktop adds to the main window: recent files, record stepping by key, copying the
// replica and the hint before a file is open.
#include <QClipboard>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QShortcut>
#include <QTimer>

#include "app/mirelta_dlg.h"
#include "platform/window_template.h"

namespace mirelta {

namespace {

int RecordListOf(ScreenKind screenMode) {
    switch (screenMode) {
        case ScreenKind::Find:
            return ids::FindList;
        case ScreenKind::Constellation:
            return ids::ConstellationList;
        case ScreenKind::Spectrum:
            return ids::SpectrumList;
        default:
            return 0;
    }
}

}  // namespace

void CMireltaDlg::AddDesktopActions() {
    view_->setHint(
        QCoreApplication::translate("Mirelta", "Open a meter file (Ctrl+O) or drop it here"));
    connect(&document_, &Document::opened, this, [this](const QString& path) {
        // The settings write syncs to the disk: it waits until the window has shown the file.
        QTimer::singleShot(0, this, [this, path] { settings_.addRecentFile(path); });
        view_->setHint(QString());
    });

    auto* next = new QShortcut(QKeySequence(Qt::Key_PageDown), this);
    connect(next, &QShortcut::activated, this, [this] { StepRecord(1); });
    auto* previous = new QShortcut(QKeySequence(Qt::Key_PageUp), this);
    connect(previous, &QShortcut::activated, this, [this] { StepRecord(-1); });
    auto* copy = new QShortcut(QKeySequence::Copy, this);
    connect(copy, &QShortcut::activated, this, [this] { CopyReplica(); });
}

// The language and the place the window had when it was last closed.
void CMireltaDlg::RestoreLastRun() {
    if (const UiLanguage language = settings_.language(); language != document_.Language()) {
        document_.choose(ids::LanguageList, static_cast<int>(language));
    }
    if (isWindow()) {
        restoreGeometry(settings_.windowGeometry());
    }
}

void CMireltaDlg::OnCancel() {
    // Inside the main window, the main window's place is what the next run restores.
    settings_.setWindowGeometry(window()->saveGeometry());
    QDialog::reject();
}

void CMireltaDlg::StepRecord(int step) {
    const int list = RecordListOf(document_.ScreenMode());
    const Control* control = document_.controls().find(list);
    if (control == nullptr || !document_.fileLoaded()) {
        return;
    }
    const int entry = control->selection + step;
    if (entry < 0 || entry >= static_cast<int>(control->items.size())) {
        return;
    }
    // Exactly what picking the entry in the list does, then the list shows it.
    document_.choose(list, entry);
    panel_->sync(list);
}

void CMireltaDlg::CopyReplica() {
    if (!document_.fileLoaded()) {
        prompts_.messageBox("Please open a source file at first!");
        return;
    }
    document_.repaint();
    QGuiApplication::clipboard()->setImage(document_.replica());
}

void CMireltaDlg::AddRecentFilesMenu(QMenu& menu) {
    QMenu* recent = menu.addMenu(QCoreApplication::translate("Mirelta", "Open &Recent"));
    const QStringList files = settings_.recentFiles();
    recent->setEnabled(!files.isEmpty());
    for (const QString& file : files) {
        if (QFileInfo::exists(file)) {
            recent->addAction(file, this, [this, file] { OpenRecent(file); });
        } else {
            // Kept in the list: the file may be on a drive that is not mounted now.
            recent->addAction(QCoreApplication::translate("Mirelta", "%1  (missing)").arg(file))
                ->setEnabled(false);
        }
    }
    if (!files.isEmpty()) {
        recent->addSeparator();
        recent->addAction(QCoreApplication::translate("Mirelta", "&Clear"), this,
                          [this] { settings_.clearRecentFiles(); });
    }
}

void CMireltaDlg::OpenRecent(const QString& path) {
    if (!QFileInfo::exists(path)) {
        settings_.removeRecentFile(path);
        prompts_.messageBox(
            QCoreApplication::translate(
                "Mirelta", "This file is missing and was removed from Open Recent:\n%1")
                .arg(path)
                .toStdString());
        return;
    }
    OpenDroppedOrGiven(path);
}

void CMireltaDlg::OpenSnapshot(const QString& path, std::optional<ScreenKind> kind, int index) {
    OpenDroppedOrGiven(path);
    // A file that failed to open has said why; the one shown before stays as it was.
    if (kind && document_.fileLoaded() && document_.sourcePath() == path.toStdString()) {
        document_.show(*kind, index);
    }
    raise();
    activateWindow();
}

}  // namespace mirelta
