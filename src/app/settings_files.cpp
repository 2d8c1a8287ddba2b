// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settings_files.h"

#include <sys/stat.h>

#include <QFile>
#include <QStandardPaths>

namespace mirelta {

// As QSettings lays out its files on an XDG desktop: the first generic config folder is the
// user's, the others are the system's.
QStringList SettingsFilesOf(const QString& organization, const QString& application) {
    const QString orgFile = organization + QStringLiteral(".conf");
    const QString appFile = organization + u'/' + application + QStringLiteral(".conf");
    QStringList files;
    for (const QString& folder :
         QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation)) {
        if (!application.isEmpty()) {
            files.append(folder + u'/' + appFile);
        }
        files.append(folder + u'/' + orgFile);
    }
    return files;
}

QString WhyNotToOpen(const QString& file) {
    // stat follows a link, as opening the file would.
    struct stat status {};
    if (::stat(QFile::encodeName(file).constData(), &status) != 0) {
        return {};
    }
    if (!S_ISREG(status.st_mode)) {
        return QStringLiteral("is not a regular file");
    }
    if (status.st_size > kMostStoreBytes) {
        return QStringLiteral("is larger than %1 bytes, more than the window ever stores")
            .arg(kMostStoreBytes);
    }
    return {};
}

}  // namespace mirelta
