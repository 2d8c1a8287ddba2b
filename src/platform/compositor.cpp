#include "platform/compositor.h"

#include "platform/canvas.h"
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
    image_.fill(colours::DialogFace);
    for (int id : controls_.replicaPaintOrder()) {
        if (const Control* c = controls_.find(id); c && c->visible) {
            paintControl(*c);
        }
    }
    // The side-panel label lies outside the replica, but its colour query draws on it.
    queryPanelControl(ids::SidePanelLabel);
    if (onPainted) {
        onPainted();
    }
}

void Compositor::repaintControl(int id) {
    const Control* c = controls_.find(id);
    if (c == nullptr || !c->visible) {
        return;
    }
    if (c->replica) {
        paintControl(*c);
    } else {
        queryPanelControl(id);
    }
    if (onPainted) {
        onPainted();
    }
}

void Compositor::queryPanelControl(int id) {
    if (controls_.isVisible(id)) {
        DeviceContext dc;
        dc.font = &dialogFont_;
        hook_.OnCtlColor(dc, id);
    }
}

void Compositor::paintControl(const Control& control) {
    DeviceContext dc;
    dc.font = &dialogFont_;
    BrushHandle brush = hook_.OnCtlColor(dc, control.id);
    Canvas canvas(image_);
    canvas.fillRect(control.rect, brush ? *brush : QBrush(colours::DialogFace));
    if (control.kind == ControlKind::BitmapStatic) {
        canvas.drawBitmap(control.rect, control.bitmap);
    } else {
        canvas.drawText(control.rect, control.text, dc, control.style & kAlignmentMask,
                        control.verticallyCentred);
    }
}

}  // namespace mirelta
