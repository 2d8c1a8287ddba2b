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

// The icons, the same controls on every screen.
inline constexpr int Icon13v = 1015;
inline constexpr int Icon22k = 1016;
inline constexpr int Battery = 1017;
inline constexpr int Icon18v = 1018;
inline constexpr int ExitKey = 1019;
inline constexpr int F2Key = 1020;
inline constexpr int F4Key = 1021;
inline constexpr int Ruler = 1022;
inline constexpr int OkKey = 1038;
inline constexpr int Marker = 1039;
inline constexpr int F3Key = 1040;
inline constexpr int F1Key = 1041;

// The labels as each screen uses them: one control serves every screen under a different name.
namespace find {
inline constexpr int SaveLnbCaption = 1005;
inline constexpr int ConfirmCaption = 1006;
inline constexpr int ExitCaption = 1007;
inline constexpr int SatelliteCaption = 1008;
inline constexpr int LnbTypeCaption = 1009;
inline constexpr int LoLowCaption = 1010;
inline constexpr int LoHighCaption = 1011;
inline constexpr int FrequencyCaption = 1012;
inline constexpr int SymbolRateCaption = 1013;
inline constexpr int PolarisationCaption = 1014;
inline constexpr int SearchCaption = 1024;
inline constexpr int Satellite = 1025;
inline constexpr int LnbType = 1026;
inline constexpr int LoLow = 1027;
inline constexpr int LoHigh = 1028;
inline constexpr int Frequency = 1029;
inline constexpr int SymbolRate = 1030;
inline constexpr int Polarisation = 1031;
inline constexpr int SearchOk = 1032;
inline constexpr int Lock = 1033;
inline constexpr int PowerCaption = 1034;
inline constexpr int Power = 1035;
inline constexpr int PowerUnit = 1036;
inline constexpr int AddTpCaption = 1037;
inline constexpr int SatCaption = 1046;
inline constexpr int Sat = 1047;
inline constexpr int CnCaption = 1048;
inline constexpr int Cn = 1049;
inline constexpr int BerCaption = 1050;
inline constexpr int Ber = 1051;
inline constexpr int FecCaption = 1052;
inline constexpr int Fec = 1053;
inline constexpr int StrengthCaption = 1054;
inline constexpr int Strength = 1055;
inline constexpr int QualityCaption = 1056;
inline constexpr int Quality = 1057;
}  // namespace find

namespace constellation {
inline constexpr int ChannelCaption = 1008;
inline constexpr int Channel = 1009;
inline constexpr int ModulationCaption = 1010;
inline constexpr int Modulation = 1011;
inline constexpr int Frequency = 1012;
inline constexpr int MerCaption = 1013;
inline constexpr int Mer = 1014;
inline constexpr int CnCaption = 1024;
inline constexpr int Cn = 1025;
inline constexpr int FecCaption = 1026;
inline constexpr int Fec = 1027;
inline constexpr int BerCaption = 1028;
inline constexpr int Ber = 1029;
inline constexpr int QualityCaption = 1030;
inline constexpr int Quality = 1031;
inline constexpr int StrengthCaption = 1032;
inline constexpr int Strength = 1033;
inline constexpr int QAxis = 1034;
inline constexpr int IAxis = 1035;
inline constexpr int ConfirmCaption = 1036;
inline constexpr int ExitCaption = 1046;
inline constexpr int SaveCaption = 1047;
}  // namespace constellation

namespace spectrum {
// The level scale from the top down.
inline constexpr int Scale1 = 1008;
inline constexpr int Scale2 = 1009;
inline constexpr int Scale3 = 1010;
inline constexpr int Scale4 = 1011;
inline constexpr int Scale5 = 1012;
inline constexpr int Scale6 = 1013;
inline constexpr int Scale7 = 1014;
inline constexpr int LeftEdge = 1024;
inline constexpr int CursorCaption = 1025;
inline constexpr int CursorFrequency = 1026;
inline constexpr int RightEdge = 1027;
inline constexpr int MarkerCaption = 1030;
inline constexpr int CursorLevel = 1031;
inline constexpr int Span = 1034;
inline constexpr int LnbCaption = 1035;
inline constexpr int HorCaption = 1036;
inline constexpr int AnalyzeCaption = 1046;
inline constexpr int SearchCaption = 1047;
}  // namespace spectrum
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
