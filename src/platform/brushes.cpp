// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/brushes.h"

#include "platform/colours.h"

namespace mirelta {

namespace {
// Built during static initialisation, in table order, and destroyed in reverse at exit.
const SharedBrushes kSharedBrushes{QBrush(colours::Blue),  QBrush(colours::FrameGrey),
                                   QBrush(colours::Red),   QBrush(colours::White),
                                   QBrush(colours::Green), QBrush(colours::Ink)};
}  // namespace

const SharedBrushes& Brushes() {
    return kSharedBrushes;
}

BrushHandle ControlBrushes::get(const QColor& colour) {
    auto& slot = brushes_[colour.rgb()];
    if (!slot) {
        slot = std::make_unique<QBrush>(colour);
    }
    return slot.get();
}

}  // namespace mirelta
