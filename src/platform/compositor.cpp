// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/compositor.h"

#include <algorithm>
#include <vector>

#include "platform/colours.h"
#include "platform/window_template.h"

namespace mirelta {

BrushHandle DefaultColourAnswer(DeviceContext& dc) {
    static const QBrush face(colours::DialogFace);
    dc.textColour = Qt::black;
    dc.backgroundColour = colours::DialogFace;
    return &face;
}

Compositor::Compositor(ControlTable& controls, ColourHook& hook)
    : controls_(controls),
      hook_(hook),
      image_(kReplicaWidth, kReplicaHeight, QImage::Format_RGB32),
      dialogFont_("Sans Serif") {
    dialogFont_.setPixelSize(11);
    image_.fill(colours::DialogFace);
}

void Compositor::repaintWindow() {
    faces_.startRepaint();
    image_.fill(colours::DialogFace);
    const int drawingQuery = lastDrawingQuery();
    for (int id : controls_.replicaPaintOrder()) {
        if (const Control* c = controls_.find(id); c && c->visible) {
            paintControl(*c, id == drawingQuery, true);
        }
    }
    // The side-panel label lies outside the replica, but its colour query draws on it.
    queryPanelControl(ids::SidePanelLabel, drawingQuery == ids::SidePanelLabel);
    painted_ = image_.rect();
    if (onPainted) {
        onPainted();
    }
}

void Compositor::repaintControl(int id) {
    repaintControls(std::span<const int>(&id, 1));
}

void Compositor::repaintControls(std::span<const int> ids) {
    std::vector<const Control*> shown;
    for (const int id : ids) {
        if (const Control* c = controls_.find(id); c != nullptr && c->visible) {
            shown.push_back(c);
        }
    }
    if (shown.empty()) {
        return;
    }
    const auto drawing = std::find_if(shown.rbegin(), shown.rend(), [this](const Control* c) {
        return hook_.DrawsGraphics(c->id);
    });
    painted_ = drawing != shown.rend() ? hook_.GraphicsArea() : QRect();
    for (const Control* c : shown) {
        paintOne(*c, drawing != shown.rend() && c == *drawing);
        if (c->replica) {
            painted_ |= c->rect.toQRect();
        }
    }
    if (onPainted) {
        onPainted();
    }
}

void Compositor::paintOne(const Control& control, bool drawsGraphics) {
    if (control.replica) {
        paintControl(control, drawsGraphics, false);
    } else {
        queryPanelControl(control.id, drawsGraphics);
    }
}

// The query of a whole-window repaint whose graphics survive: the side-panel label's, asked last,
// or else the last visible replica control's that draws any.
int Compositor::lastDrawingQuery() const {
    if (controls_.isVisible(ids::SidePanelLabel) && hook_.DrawsGraphics(ids::SidePanelLabel)) {
        return ids::SidePanelLabel;
    }
    const std::vector<int>& order = controls_.replicaPaintOrder();
    for (auto id = order.rbegin(); id != order.rend(); ++id) {
        if (controls_.isVisible(*id) && hook_.DrawsGraphics(*id)) {
            return *id;
        }
    }
    return kUnnamedControl;
}

void Compositor::queryPanelControl(int id, bool drawsGraphics) {
    if (controls_.isVisible(id)) {
        DeviceContext dc;
        dc.font = &dialogFont_;
        dc.drawsGraphics = drawsGraphics;
        hook_.OnCtlColor(dc, id);
    }
}

void Compositor::paintControl(const Control& control, bool drawsGraphics, bool keepFace) {
    DeviceContext dc;
    dc.font = &dialogFont_;
    dc.drawsGraphics = drawsGraphics;
    BrushHandle brush = hook_.OnCtlColor(dc, control.id);
    faces_.paint(image_, control, dc, brush ? brush->color() : QColor(colours::DialogFace),
                 keepFace);
}

}  // namespace mirelta
