#include "screens/main_window_logic.h"

// Placeholder until the spectrum screen lands.
namespace mirelta {
void MainWindowLogic::LayoutSpectrumScreen() {}
void MainWindowLogic::ShowSpectrumControls() {}
void MainWindowLogic::RefreshSpectrumScreen() {}
BrushHandle MainWindowLogic::PaintSpectrumScreen(DeviceContext&, int, BrushHandle defaultAnswer) {
    return defaultAnswer;
}
}  // namespace mirelta
