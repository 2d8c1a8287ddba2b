// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/constellation_record.h"
#include "screens/screen.h"
#include "screens/screen_context.h"

namespace mirelta {

// The Constellation Analyzer screen: its read-outs, bars and I/Q plot.
class ConstellationScreen final : public Screen {
  public:
    ConstellationScreen(ScreenContext& context, SelectedRecord<ConstellationRecord> record)
        : context_(context), record_(record) {}

    void layout() override;
    void show() override;
    void refresh() override;
    BrushHandle answer(DeviceContext& dc, int controlId, BrushHandle defaultAnswer) override;
    bool drawsGraphics(int controlId) const override;
    QRect graphicsArea() const override;

  private:
    void drawGraphics();

    ScreenContext& context_;
    SelectedRecord<ConstellationRecord> record_;
};

}  // namespace mirelta
