// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>

namespace mirelta {

// The bitmap with the given resource number (153 to 165) in Format_RGB32, or a null image
// when there is no bitmap of that number.
QImage LoadBitmapResource(int resourceId);

// The window's icon (resource 128) at the sizes of a title bar, a task bar and the About box;
// the larger ones are installed for the desktop.
QIcon ApplicationIcon();

}  // namespace mirelta
