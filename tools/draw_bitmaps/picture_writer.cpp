// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_writer.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace mirelta {

bool WritePicture(const QImage& image, const QString& path, QString* error) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        *error = QStringLiteral("cannot create folder %1").arg(folder);
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    if (!image.save(&file, "PNG")) {
        *error = QStringLiteral("cannot encode %1 as PNG").arg(path);
        return false;
    }
    if (!file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

}  // namespace mirelta
