#include "screens/main_window_logic.h"

// Placeholder until the constellation screen lands.
namespace mirelta {
void MainWindowLogic::LayoutConstellationScreen() {}
void MainWindowLogic::ShowConstellationControls() {}
void MainWindowLogic::RefreshConstellationScreen() {}
BrushHandle MainWindowLogic::PaintConstellationScreen(DeviceContext&, int,
                                                      BrushHandle defaultAnswer) {
    return defaultAnswer;
}
}  // namespace mirelta
