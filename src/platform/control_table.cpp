// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/control_table.h"

#include <algorithm>

#include "platform/window_template.h"

namespace mirelta {

ControlTable::ControlTable() : controls_(MainWindowTemplate()) {
    for (const Control& c : controls_) {
        if (c.replica) {
            paintOrder_.push_back(c.id);
        }
    }
    std::sort(paintOrder_.begin(), paintOrder_.end());

    // Every repaint looks controls up by id many times; the ids are few and close together.
    for (const Control& c : controls_) {
        if (c.id != kUnnamedControl) {
            firstId_ = std::min(firstId_, c.id);
            lastId_ = std::max(lastId_, c.id);
        }
    }
    if (firstId_ <= lastId_) {
        indexById_.assign(static_cast<std::size_t>(lastId_ - firstId_ + 1), kNoControl);
    }
    for (std::size_t k = controls_.size(); k-- > 0;) {
        if (const int id = controls_[k].id; id != kUnnamedControl) {
            indexById_[static_cast<std::size_t>(id - firstId_)] = k;  // the first one wins
        }
    }
}

const Control* ControlTable::find(int id) const {
    if (id == kUnnamedControl || id < firstId_ || id > lastId_) {
        return nullptr;
    }
    const std::size_t index = indexById_[static_cast<std::size_t>(id - firstId_)];
    return index == kNoControl ? nullptr : &controls_[index];
}

Control* ControlTable::findMutable(int id) {
    return const_cast<Control*>(find(id));
}

void ControlTable::notify(int id, ControlChange change) {
    if (onChange) {
        onChange(id, change);
    }
}

void ControlTable::move(int id, const Rect& rect) {
    if (Control* c = findMutable(id)) {
        c->rect = rect;
        notify(id, ControlChange::Moved);
    }
}

void ControlTable::setVisible(int id, bool visible) {
    if (Control* c = findMutable(id); c && c->visible != visible) {
        c->visible = visible;
        notify(id, ControlChange::Visibility);
    }
}

void ControlTable::enable(int id, bool enabled) {
    if (Control* c = findMutable(id); c && c->enabled != enabled) {
        c->enabled = enabled;
        notify(id, ControlChange::Enabled);
    }
}

void ControlTable::setText(int id, const std::string& text) {
    if (Control* c = findMutable(id)) {
        c->text = text;
        notify(id, ControlChange::Text);
    }
}

std::string ControlTable::text(int id) const {
    const Control* c = find(id);
    return c ? c->text : std::string();
}

int ControlTable::style(int id) const {
    const Control* c = find(id);
    return c ? c->style : 0;
}

void ControlTable::setStyle(int id, int style) {
    if (Control* c = findMutable(id)) {
        c->style = style;
        notify(id, ControlChange::Style);
    }
}

bool ControlTable::isVisible(int id) const {
    const Control* c = find(id);
    return c && c->visible;
}

bool ControlTable::isEnabled(int id) const {
    const Control* c = find(id);
    return c && c->enabled;
}

Rect ControlTable::rect(int id) const {
    const Control* c = find(id);
    return c ? c->rect : Rect{};
}

void ControlTable::clearItems(int id) {
    if (Control* c = findMutable(id)) {
        c->items.clear();
        c->selection = -1;
        notify(id, ControlChange::Items);
    }
}

void ControlTable::addItem(int id, const std::string& text) {
    if (Control* c = findMutable(id)) {
        c->items.push_back(text);
        notify(id, ControlChange::Items);
    }
}

void ControlTable::setSelection(int id, int index) {
    if (Control* c = findMutable(id)) {
        c->selection = index >= 0 && index < static_cast<int>(c->items.size()) ? index : -1;
        notify(id, ControlChange::Selection);
    }
}

int ControlTable::selection(int id) const {
    const Control* c = find(id);
    return c ? c->selection : -1;
}

int ControlTable::itemCount(int id) const {
    const Control* c = find(id);
    return c ? static_cast<int>(c->items.size()) : 0;
}

}  // namespace mirelta
