// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/screen.h"

namespace mirelta {

class MainWindowLogic;

// The Spectrum Adjust screen: its scale, edge and read-out labels and the trace.
class SpectrumScreen final : public Screen {
  public:
    explicit SpectrumScreen(MainWindowLogic& window) : window_(window) {}

    void layout() override;
    void show() override;
    void refresh() override;
    BrushHandle answer(DeviceContext& dc, int controlId, BrushHandle defaultAnswer) override;
    bool drawsGraphics(int controlId) const override;
    QRect graphicsArea() const override;

  private:
    MainWindowLogic& window_;
};

}  // namespace mirelta
