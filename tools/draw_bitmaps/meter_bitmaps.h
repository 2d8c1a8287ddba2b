// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <vector>

namespace mirelta {

// Resource numbers of the meter's bitmaps, in ascending order.
std::vector<int> MeterBitmapIds();

// Draws one of the meter's bitmaps at its natural size, its colours cut to 5-6-5 as the
// meter stores them. A null image for a number that is not a meter bitmap.
QImage DrawMeterBitmap(int resourceId);

}  // namespace mirelta
