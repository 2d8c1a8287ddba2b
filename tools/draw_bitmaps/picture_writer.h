// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

namespace mirelta {

// Writes IMAGE as a PNG at PATH, creating its folder. The file is replaced only once
// the whole picture is written. On failure returns false and sets ERROR.
bool WritePicture(const QImage& image, const QString& path, QString* error);

}  // namespace mirelta
