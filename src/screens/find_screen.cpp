#include "screens/main_window_logic.h"

// Placeholder until the finding screen lands.
namespace mirelta {
void MainWindowLogic::LayoutFindScreen() {}
void MainWindowLogic::ShowFindControls() {}
void MainWindowLogic::RefreshFindScreen() {}
BrushHandle MainWindowLogic::PaintFindScreen(DeviceContext&, int, BrushHandle defaultAnswer) {
    return defaultAnswer;
}
}  // namespace mirelta
