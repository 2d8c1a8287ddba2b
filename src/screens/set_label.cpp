// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/main_window_logic.h"
#include "screens/text_table.h"
#include "format/value_format.h"

namespace mirelta {

void MainWindowLogic::SetLabel(int id, std::optional<Rect> rect, int textId, int style,
                               std::optional<std::string> customText) {
    if (rect) {
        controls.move(id, *rect);
    }
    const auto table = TextTable();
    if (textId < 0 || textId >= static_cast<int>(table.size()) || table[textId].id != textId) {
        prompts.messageBox(Printf("Add string error!\n ID=%d", textId));
        return;
    }
    if (textId == text_id::Empty) {
        controls.setText(id, "");
        return;
    }
    if (style == kStyleUnchanged) {
        prompts.messageBox(Printf("Set string error!\n ID=%d", textId));
        return;
    }
    const std::string text =
        textId == text_id::Custom ? customText.value_or("...") : TableText(textId, Language);
    controls.setText(id, text);
    controls.setStyle(id, (controls.style(id) & ~kAlignmentMask) | (style & kAlignmentMask));
}

}  // namespace mirelta
