// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "platform/control_table.h"

namespace mirelta {

// Control ids of the main window template that the code names.
namespace ids {
inline constexpr int Save = 1;
inline constexpr int Exit = 2;
inline constexpr int Open = 3;
inline constexpr int ScreenArea = 1001;
inline constexpr int BottomBar = 1002;
inline constexpr int Title = 1003;
inline constexpr int ContentPanel = 1004;
inline constexpr int UiList = 1023;
inline constexpr int FindList = 1042;
inline constexpr int Up = 1043;
inline constexpr int SidePanelLabel = 1044;
inline constexpr int Down = 1045;
inline constexpr int ConstellationList = 1058;
inline constexpr int SpectrumList = 1059;
inline constexpr int LanguageList = 1060;
}  // namespace ids

// Client size of the main window: 576 x 374 dialog units of "MS Sans Serif" 8 pt.
inline constexpr int kClientWidth = 864;
inline constexpr int kClientHeight = 608;
inline constexpr int kReplicaWidth = 720;
inline constexpr int kReplicaHeight = 480;

// Dialog units to client pixels with the base units of the template's font (6 x 13 per 4 x 8).
Rect DialogUnitsToPixels(int x, int y, int width, int height);

// Every control of the main window with its initial state, in template order.
std::vector<Control> MainWindowTemplate();

}  // namespace mirelta
