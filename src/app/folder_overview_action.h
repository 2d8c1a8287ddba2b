// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QPointer>
#include <QString>

#include "app/folder_overview_window.h"
#include "app/settings.h"

class QMenu;
class QWidget;

namespace mirelta {

// "Open Folder..." (Ctrl+Shift+O, the context menu) and "Open Recent Folder": the folder
// overview of a chosen folder, one window per folder; a folder already shown is brought forward.
class FolderOverviewAction {
  public:
    FolderOverviewAction(QWidget* window, Settings& settings, FolderOverviewWindow::Open onOpen);

    void addTo(QMenu& menu);
    void run();
    void open(const QString& folder);

  private:
    void addRecentFolders(QMenu& menu);

    QWidget* window_;
    Settings& settings_;
    FolderOverviewWindow::Open onOpen_;
    QHash<QString, QPointer<FolderOverviewWindow>> shown_;  // the windows close themselves
};

}  // namespace mirelta
