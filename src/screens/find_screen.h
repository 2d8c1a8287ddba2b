// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/find_record.h"
#include "screens/screen.h"
#include "screens/screen_context.h"

namespace mirelta {

// The Satellite Finding screen: its labels, lock and power read-outs and the strength and quality
// bars.
class FindScreen final : public Screen {
  public:
    FindScreen(ScreenContext& context, SelectedRecord<FindRecord> record)
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
    SelectedRecord<FindRecord> record_;
};

}  // namespace mirelta
