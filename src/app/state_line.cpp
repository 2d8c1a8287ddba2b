// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/state_line.h"

#include <sstream>

#include "platform/text_codec.h"
#include "platform/window_template.h"
#include "screens/screen_mode.h"

namespace mirelta {

std::string StateLine(const MainWindowLogic& logic) {
    const ControlTable& controls = logic.controls();
    std::ostringstream line;
    line << "state"
         << "\tscreen_mode=" << static_cast<int>(logic.ScreenMode())
         << "\tlanguage=" << (logic.Language() == UiLanguage::French ? "fr" : "en")
         << "\tfind=" << controls.selection(ids::FindList)
         << "\tconstellation=" << controls.selection(ids::ConstellationList)
         << "\tspectrum=" << controls.selection(ids::SpectrumList)
         << "\tref_level_bottom=" << logic.RefLevelBottom() << "\tcursor=" << logic.CursorX() << ','
         << logic.CursorY() << "\tbrushes=" << logic.controlBrushes().count()
         << "\ttitle=" << DecodeLocalTextToUtf8(controls.text(ids::Title))
         << "\ttooltip=" << logic.toolTipText();
    return line.str();
}

}  // namespace mirelta
