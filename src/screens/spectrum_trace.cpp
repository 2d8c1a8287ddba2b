#include "platform/window_template.h"
#include "screens/main_window_logic.h"

// Placeholder until the spectrum trace lands.
namespace mirelta {
bool InsidePlot(std::int32_t x, std::int32_t y) { return x > 75 && x < 695 && y > 60 && y < 340; }
void MainWindowLogic::DrawSpectrumTrace() {}
void MainWindowLogic::UpdateScaleLabels() {}
void MainWindowLogic::RefLevelUp() {}
void MainWindowLogic::RefLevelDown() {}
void MainWindowLogic::RefLevelByWheel(std::int16_t) {}
void MainWindowLogic::TrackCursor(QPoint position) {
    CursorX = position.x();
    CursorY = position.y();
}
void MainWindowLogic::RefreshCursorReadout() {}
void MainWindowLogic::RedrawTrace() { compositor.repaintControl(ids::SidePanelLabel); }
}  // namespace mirelta
