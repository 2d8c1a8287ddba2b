// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "screens/screen.h"

namespace mirelta {

class MainWindowLogic;

// The Satellite Finding screen: its labels, lock and power read-outs and the strength and quality
// bars.
class FindScreen final : public Screen {
  public:
    explicit FindScreen(MainWindowLogic& window) : window_(window) {}

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
