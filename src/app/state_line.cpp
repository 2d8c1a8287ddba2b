// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/state_line.h"

#include <sstream>

#include "platform/text_codec.h"
#include "platform/window_template.h"

namespace mirelta {

std::string StateLine(const Document& document) {
    const ControlTable& controls = document.controls();
    const SpectrumScreen& spectrum = document.spectrum();
    std::ostringstream line;
    line << "state"
         << "\tscreen_mode=" << static_cast<int>(document.ScreenMode())
         << "\tlanguage=" << (document.Language() == UiLanguage::French ? "fr" : "en")
         << "\tfind=" << controls.selection(ids::FindList)
         << "\tconstellation=" << controls.selection(ids::ConstellationList)
         << "\tspectrum=" << controls.selection(ids::SpectrumList)
         << "\tref_level_bottom=" << spectrum.RefLevelBottom() << "\tcursor=" << spectrum.CursorX()
         << ',' << spectrum.CursorY() << "\tbrushes=" << document.brushCount()
         << "\ttitle=" << DecodeLocalTextToUtf8(controls.text(ids::Title))
         << "\ttooltip=" << spectrum.toolTipText();
    return line.str();
}

}  // namespace mirelta
