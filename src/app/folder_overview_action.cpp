// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/folder_overview_action.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QShortcut>

namespace mirelta {
namespace {

const QKeySequence kShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_O);

}  // namespace

FolderOverviewAction::FolderOverviewAction(QWidget* window, Settings& settings,
                                           FolderOverviewWindow::Open onOpen)
    : window_(window), settings_(settings), onOpen_(std::move(onOpen)) {
    auto* shortcut = new QShortcut(kShortcut, window);
    QObject::connect(shortcut, &QShortcut::activated, window, [this] { run(); });
}

void FolderOverviewAction::addTo(QMenu& menu) {
    menu.addAction(QCoreApplication::translate("Mirelta", "Open &Folder..."), window_,
                   [this] { run(); })
        ->setShortcut(kShortcut);
    addRecentFolders(menu);
}

void FolderOverviewAction::addRecentFolders(QMenu& menu) {
    QMenu* recent = menu.addMenu(QCoreApplication::translate("Mirelta", "Open Recent F&older"));
    const QStringList folders = settings_.recentFolders();
    recent->setEnabled(!folders.isEmpty());
    for (const QString& folder : folders) {
        if (QFileInfo(folder).isDir()) {
            recent->addAction(folder, window_, [this, folder] { open(folder); });
        } else {
            // Kept in the list: the folder may be on a drive that is not mounted now.
            recent->addAction(QCoreApplication::translate("Mirelta", "%1  (missing)").arg(folder))
                ->setEnabled(false);
        }
    }
}

void FolderOverviewAction::run() {
    const QStringList recent = settings_.recentFolders();
    const QString folder = QFileDialog::getExistingDirectory(
        window_, QCoreApplication::translate("Mirelta", "Open Folder"),
        recent.isEmpty() ? settings_.openFolder() : recent.first());
    if (!folder.isEmpty()) {
        open(folder);
    }
}

void FolderOverviewAction::open(const QString& folder) {
    const QString absolute = QFileInfo(folder).absoluteFilePath();
    settings_.addRecentFolder(absolute);
    QPointer<FolderOverviewWindow>& shown = shown_[absolute];
    if (shown.isNull()) {
        const logbook::LogSettings read{
            .thresholds = settings_.thresholds(),
            .analysis = {.detection = {}, .loMHz = settings_.lnbLoMHz()}};
        shown = new FolderOverviewWindow(absolute, read, onOpen_, window_);
    }
    shown->show();
    shown->raise();
    shown->activateWindow();
}

}  // namespace mirelta
