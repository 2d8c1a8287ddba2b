// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/screen.h"

namespace mirelta {

class MainWindowLogic;

// The Constellation Analyzer screen: its read-outs, bars and I/Q plot.
class ConstellationScreen final : public Screen {
  public:
    explicit ConstellationScreen(MainWindowLogic& window) : window_(window) {}

    void layout() override;
    void show() override;
    void refresh() override;
    BrushHandle answer(DeviceContext& dc, int controlId, BrushHandle defaultAnswer) override;
    bool drawsGraphics(int controlId) const override;
    QRect graphicsArea() const override;

  private:
    void drawGraphics();

    MainWindowLogic& window_;
};

}  // namespace mirelta
