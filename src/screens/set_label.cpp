// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/main_window_logic.h"
#include "screens/text_table.h"
#include "format/value_format.h"

namespace mirelta {

void MainWindowLogic::SetLabel(int id, std::optional<Rect> rect, int textId, int style,
                               std::optional<std::string> customText) {
    if (rect) {
        controls_.move(id, *rect);
    }
    const auto table = TextTable();
    if (textId < 0 || textId >= static_cast<int>(table.size()) || table[textId].id != textId) {
        prompts_.messageBox(Printf("Add string error!\n ID=%d", textId));
        return;
    }
    if (textId == text_id::Empty) {
        controls_.setText(id, "");
        return;
    }
    if (style == kStyleUnchanged) {
        prompts_.messageBox(Printf("Set string error!\n ID=%d", textId));
        return;
    }
    const std::string text =
        textId == text_id::Custom ? customText.value_or("...") : TableText(textId, Language_);
    controls_.setText(id, text);
    controls_.setStyle(id, (controls_.style(id) & ~kAlignmentMask) | (style & kAlignmentMask));
}

}  // namespace mirelta
