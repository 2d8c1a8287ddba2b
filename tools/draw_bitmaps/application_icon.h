// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <vector>

namespace mirelta {

// Pixel sizes at which the application icon is drawn.
std::vector<int> ApplicationIconSizes();

// Draws the application icon (a hand-held meter with a signal screen) as a square
// ARGB picture of the given size; small sizes leave out the finer details.
QImage DrawApplicationIcon(int size);

}  // namespace mirelta
