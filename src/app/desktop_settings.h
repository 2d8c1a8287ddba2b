// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>

namespace mirelta {

// What the window remembers between runs, under the application id: the folders the Open and
// Save dialogs last used and the files opened last, newest first.
class DesktopSettings {
  public:
    static constexpr int kRecentFileCount = 8;

    DesktopSettings();

    QString openFolder() const;
    QString saveFolder() const;
    void rememberOpenedIn(const QString& filePath);
    void rememberSavedIn(const QString& filePath);

    QStringList recentFiles() const;
    void addRecentFile(const QString& filePath);
    void removeRecentFile(const QString& filePath);

  private:
    QSettings settings_;
};

}  // namespace mirelta
