// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

namespace mirelta::colours {

inline const QColor PanelGrey{190, 190, 190};
inline const QColor FrameGrey{160, 160, 160};
inline const QColor Ink{8, 8, 8};
inline const QColor TitleTeal{58, 116, 116};
inline const QColor HighlightBlue{57, 165, 214};
inline const QColor Blue{0, 0, 255};
inline const QColor Red{255, 0, 0};
inline const QColor Green{0, 255, 0};
inline const QColor White{255, 255, 255};
// The dialog face behind a hidden replica and the default colour answer: fixed so renders are
// deterministic.
inline const QColor DialogFace{240, 240, 240};

}  // namespace mirelta::colours
