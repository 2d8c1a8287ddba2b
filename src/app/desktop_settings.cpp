// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/desktop_settings.h"

#include <QFileInfo>

#include "mirelta_version.h"

namespace mirelta {

namespace {
const QString kOpenFolder = QStringLiteral("dialogs/openFolder");
const QString kSaveFolder = QStringLiteral("dialogs/saveFolder");
const QString kRecentFiles = QStringLiteral("recentFiles");
}  // namespace

DesktopSettings::DesktopSettings()
    : settings_(QSettings::NativeFormat, QSettings::UserScope,
                QString::fromLatin1(kApplicationId)) {}

QString DesktopSettings::openFolder() const {
    return settings_.value(kOpenFolder).toString();
}

QString DesktopSettings::saveFolder() const {
    return settings_.value(kSaveFolder).toString();
}

void DesktopSettings::rememberOpenedIn(const QString& filePath) {
    settings_.setValue(kOpenFolder, QFileInfo(filePath).absolutePath());
}

void DesktopSettings::rememberSavedIn(const QString& filePath) {
    settings_.setValue(kSaveFolder, QFileInfo(filePath).absolutePath());
}

QStringList DesktopSettings::recentFiles() const {
    return settings_.value(kRecentFiles).toStringList();
}

void DesktopSettings::addRecentFile(const QString& filePath) {
    const QString path = QFileInfo(filePath).absoluteFilePath();
    QStringList files = recentFiles();
    files.removeAll(path);
    files.prepend(path);
    settings_.setValue(kRecentFiles, files.mid(0, kRecentFileCount));
}

void DesktopSettings::removeRecentFile(const QString& filePath) {
    QStringList files = recentFiles();
    files.removeAll(filePath);
    settings_.setValue(kRecentFiles, files);
}

}  // namespace mirelta
