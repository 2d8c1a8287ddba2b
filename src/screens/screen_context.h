// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "data/screen_kind.h"
#include "platform/brushes.h"
#include "platform/canvas.h"
#include "platform/control_table.h"
#include "platform/device_context.h"
#include "platform/geometry.h"
#include "platform/prompts.h"
#include "screens/screen_mode.h"

namespace mirelta {

class Compositor;

// What a screen may touch: the replica's controls, the canvas, the label fonts and the
// background brushes, the labels' language and which screen is up. The document owns it.
class ScreenContext {
  public:
    ScreenContext(ControlTable& controls, Compositor& compositor, Prompts& prompts);
    ScreenContext(const ScreenContext&) = delete;
    ScreenContext& operator=(const ScreenContext&) = delete;

    ControlTable& controls() { return controls_; }
    const ControlTable& controls() const { return controls_; }
    Canvas canvas();

    // Moves a label, gives it a table text or its own, and sets its alignment.
    void SetLabel(int id, std::optional<Rect> rect, int textId, int style,
                  std::optional<std::string> customText = std::nullopt);
    // Sets the colours and font of the query and hands out the background's brush.
    BrushHandle PaintLabel(DeviceContext& dc, LabelFont fontChoice, const QColor& text,
                           const QColor& background);
    BrushHandle brush(const QColor& colour) { return controlBrushes_.get(colour); }
    std::size_t brushCount() const { return controlBrushes_.count(); }

    void CreateLabelFonts();
    const QFont& LabelFontLarge() const { return LabelFontLarge_; }
    const QFont& LabelFontSmall() const { return LabelFontSmall_; }

    UiLanguage language() const { return language_; }
    void setLanguage(UiLanguage language) { language_ = language; }
    ScreenKind shown() const { return shown_; }
    void setShown(ScreenKind kind) { shown_ = kind; }

    // Runs the changes with the repaints of single controls held back, for a caller that
    // repaints the whole window or the changed controls right after.
    void withRepaintsHeld(const std::function<void()>& changes);
    bool repaintsHeld() const { return repaintsHeld_ > 0; }
    void repaintControls(std::span<const int> ids);

  private:
    ControlTable& controls_;
    Compositor& compositor_;
    Prompts& prompts_;
    ControlBrushes controlBrushes_;
    QFont LabelFontLarge_;
    QFont LabelFontSmall_;
    UiLanguage language_ = UiLanguage::English;
    ScreenKind shown_ = ScreenKind::None;
    int repaintsHeld_ = 0;
};

// The selected entry of one record list, as the screen of its kind works on it.
template <typename Record>
class SelectedRecord {
  public:
    SelectedRecord(std::span<Record> records, const std::uint8_t& selected)
        : records_(records), selected_(selected) {}
    Record& operator*() const { return records_[selected_ % records_.size()]; }
    Record* operator->() const { return &**this; }

  private:
    std::span<Record> records_;
    const std::uint8_t& selected_;
};

}  // namespace mirelta
