// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "platform/geometry.h"

namespace mirelta {

enum class ControlKind { TextStatic, BitmapStatic, PushButton, DropDownList, GroupBox };

enum class ControlChange { Moved, Text, Visibility, Enabled, Style, Items, Selection };

// Id of the unnamed captions and group boxes of the operator panel.
inline constexpr int kUnnamedControl = -1;

struct Control {
    int id = kUnnamedControl;
    ControlKind kind = ControlKind::TextStatic;
    bool replica = false;  // part of the 720 x 480 meter screen, painted by the compositor
    Rect rect;
    std::string text;  // 8-bit, code page 936
    int style = 0;     // low three bits: horizontal text alignment
    bool verticallyCentred = false;
    bool visible = false;
    bool enabled = true;
    int bitmapResource = 0;
    QImage bitmap;
    std::vector<std::string> items;  // drop-down lists only
    int selection = -1;
};

inline constexpr int kAlignmentMask = 0x7;

// The main window's controls as its template defines them, addressed by id. Changes are reported
// to `onChange`, which is how the replica repaints and the real widgets follow.
class ControlTable {
  public:
    ControlTable();

    bool has(int id) const { return find(id) != nullptr; }
    const Control* find(int id) const;
    const std::vector<Control>& all() const { return controls_; }

    void move(int id, const Rect& rect);
    void setVisible(int id, bool visible);
    void show(int id) { setVisible(id, true); }
    void hide(int id) { setVisible(id, false); }
    void enable(int id, bool enabled);
    void setText(int id, const std::string& text);
    std::string text(int id) const;
    int style(int id) const;
    void setStyle(int id, int style);
    bool isVisible(int id) const;
    bool isEnabled(int id) const;
    Rect rect(int id) const;

    void clearItems(int id);
    void addItem(int id, const std::string& text);
    void setSelection(int id, int index);
    int selection(int id) const;
    int itemCount(int id) const;

    // Replica controls in paint order: ScreenArea first, then ascending id.
    const std::vector<int>& replicaPaintOrder() const { return paintOrder_; }

    std::function<void(int id, ControlChange change)> onChange;

  private:
    Control* findMutable(int id);
    void notify(int id, ControlChange change);

    static constexpr std::size_t kNoControl = static_cast<std::size_t>(-1);

    std::vector<Control> controls_;  // fixed in number and order once made
    std::vector<int> paintOrder_;
    int firstId_ = std::numeric_limits<int>::max();
    int lastId_ = std::numeric_limits<int>::min();
    std::vector<std::size_t> indexById_;  // by id - firstId_
};

}  // namespace mirelta
