// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QBrush>
#include <map>
#include <memory>

namespace mirelta {

// A brush handle as the colour hook returns it; null never appears in an answer.
using BrushHandle = const QBrush*;

// The six program-wide brushes, made once before the main window exists and kept until exit.
struct SharedBrushes {
    QBrush BlueBrush;
    QBrush FrameGreyBrush;
    QBrush RedBrush;
    QBrush WhiteBrush;
    QBrush GreenBrush;
    QBrush InkBrush;
};
const SharedBrushes& Brushes();

// Background brushes handed out by the colour hook: one per colour, owned by the main window,
// so any number of repaints holds a bounded set.
class ControlBrushes {
  public:
    BrushHandle get(const QColor& colour);
    std::size_t count() const { return brushes_.size(); }

  private:
    std::map<QRgb, std::unique_ptr<QBrush>> brushes_;
};

}  // namespace mirelta
