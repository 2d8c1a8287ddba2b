// SPDX-License-Identifier: GPL-3.0-or-later
#include "mirelta_resources.h"

#include <QString>

namespace mirelta {

QImage LoadBitmapResource(int resourceId) {
    const QImage image(QStringLiteral(":/bitmaps/%1.png").arg(resourceId));
    return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB32);
}

QIcon ApplicationIcon() {
    QIcon icon;
    // Each size is decoded as it is added: only those a window shows, up to twice scaled.
    for (const int size : {16, 24, 32, 48, 64}) {
        icon.addFile(QStringLiteral(":/icons/mirelta-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

}  // namespace mirelta
