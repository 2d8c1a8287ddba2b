// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

#include "platform/brushes.h"
#include "platform/device_context.h"

namespace mirelta {

// One screen of the replica: where its controls go, which of them show, how the selected record
// fills them, and how they answer the colour query, drawing the screen's graphics on the way.
class Screen {
  public:
    virtual ~Screen() = default;

    virtual void layout() = 0;
    // Lays the screen out, then shows its controls and hides the others.
    virtual void show() = 0;
    // Puts the selected record's values into the laid-out controls.
    virtual void refresh() = 0;
    // The colour answer; draws the graphics too when the query should (dc.drawsGraphics).
    virtual BrushHandle answer(DeviceContext& dc, int controlId, BrushHandle defaultAnswer) = 0;
    // Whether the answer for this control draws the graphics.
    virtual bool drawsGraphics(int controlId) const = 0;
    // Where the graphics may fall.
    virtual QRect graphicsArea() const = 0;
};

}  // namespace mirelta
