// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/screen_context.h"

#include "format/value_format.h"
#include "platform/compositor.h"
#include "screens/text_table.h"

namespace mirelta {

ScreenContext::ScreenContext(ControlTable& controls, Compositor& compositor, Prompts& prompts)
    : controls_(controls), compositor_(compositor), prompts_(prompts) {}

Canvas ScreenContext::canvas() {
    return Canvas(compositor_.image());
}

void ScreenContext::SetLabel(int id, std::optional<Rect> rect, int textId, int style,
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
        textId == text_id::Custom ? customText.value_or("...") : TableText(textId, language_);
    controls_.setText(id, text);
    controls_.setStyle(id, (controls_.style(id) & ~kAlignmentMask) | (style & kAlignmentMask));
}

BrushHandle ScreenContext::PaintLabel(DeviceContext& dc, LabelFont fontChoice, const QColor& text,
                                      const QColor& background) {
    dc.backgroundColour = background;
    dc.textColour = text;
    dc.font = fontChoice == LabelFont::Large ? &LabelFontLarge_ : &LabelFontSmall_;
    return controlBrushes_.get(background);
}

void ScreenContext::CreateLabelFonts() {
    // 20 and 15 points at 96 dots per inch; the replica is a pixel replica on any screen.
    LabelFontLarge_ = QFont("Arial");
    LabelFontLarge_.setPixelSize(26);
    LabelFontSmall_ = QFont("Arial");
    LabelFontSmall_.setPixelSize(20);
}

void ScreenContext::withRepaintsHeld(const std::function<void()>& changes) {
    ++repaintsHeld_;
    changes();
    --repaintsHeld_;
}

void ScreenContext::repaintControls(std::span<const int> ids) {
    compositor_.repaintControls(ids);
}

}  // namespace mirelta
