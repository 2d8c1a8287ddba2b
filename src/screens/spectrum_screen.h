// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <cstdint>
#include <string>

#include "data/spectrum_record.h"
#include "screens/screen.h"
#include "screens/screen_context.h"

namespace mirelta {

// The Spectrum Adjust screen: its scale, edge and read-out labels, the trace in its 30 dB
// reference window, and the cross-hair cursor that follows the pointer.
class SpectrumScreen final : public Screen {
  public:
    SpectrumScreen(ScreenContext& context, SelectedRecord<SpectrumRecord> record)
        : context_(context), record_(record) {}

    void layout() override;
    void show() override;
    void refresh() override;
    BrushHandle answer(DeviceContext& dc, int controlId, BrushHandle defaultAnswer) override;
    bool drawsGraphics(int controlId) const override;
    QRect graphicsArea() const override;

    // The trace, the reference window and the cursor.
    void DrawSpectrumTrace();
    void UpdateScaleLabels();
    void RefLevelUp();
    void RefLevelDown();
    void RefLevelByWheel(std::int16_t delta);
    // Steps the reference window as the buttons do until its bottom is `bottom`.
    void StepRefLevelTo(int bottom);
    // Keeps the pointer's position; true when it lies over the plot of the shown screen, where
    // the tool-tip tells the last read-out.
    bool TrackCursor(QPoint position);
    void RefreshCursorReadout();
    // Redraws the trace with the cross-hair where the pointer is now.
    void RedrawTrace();

    std::int16_t RefLevelTop() const { return RefLevelTop_; }
    std::int16_t RefLevelBottom() const { return RefLevelBottom_; }
    std::int16_t FreqStep() const { return FreqStep_; }
    std::int32_t CursorX() const { return CursorX_; }
    std::int32_t CursorY() const { return CursorY_; }
    const std::string& toolTipText() const { return toolTipText_; }

  private:
    bool isShown() const { return context_.shown() == ScreenKind::Spectrum; }

    ScreenContext& context_;
    SelectedRecord<SpectrumRecord> record_;
    std::int16_t RefLevelTop_ = 70;
    std::int16_t RefLevelBottom_ = 40;
    std::int16_t FreqStep_ = 8;
    std::int32_t CursorX_ = 0;
    std::int32_t CursorY_ = 0;
    std::string toolTipText_;
};

// The pointer lies strictly inside the spectrum plot.
bool InsidePlot(std::int32_t x, std::int32_t y);

}  // namespace mirelta
