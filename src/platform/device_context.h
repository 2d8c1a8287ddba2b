// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>

namespace mirelta {

// The colours and font a control paints its text with; the colour hook sets them.
struct DeviceContext {
    QColor textColour = Qt::black;
    QColor backgroundColour = Qt::white;
    const QFont* font = nullptr;  // null: the dialog's own font
    // False while a whole-window repaint answers a query whose graphics a later query redraws.
    bool drawsGraphics = true;
};

}  // namespace mirelta
