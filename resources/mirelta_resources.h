// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>

namespace mirelta {

// The bitmap with the given resource number (153 to 165) in Format_RGB32, or a null image
// when there is no bitmap of that number.
QImage LoadBitmapResource(int resourceId);

// The application icon (resource 128) with all the sizes it is drawn at.
QIcon ApplicationIcon();

}  // namespace mirelta
