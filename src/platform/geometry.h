// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

namespace mirelta {

// A rectangle as the replica's tables write it: right and bottom are one past the last pixel.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    QRect toQRect() const { return QRect(left, top, width(), height()); }
    friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace mirelta
