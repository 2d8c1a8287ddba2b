// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QImage>
#include <functional>
#include <span>

#include "platform/brushes.h"
#include "platform/control_faces.h"
#include "platform/control_table.h"
#include "platform/device_context.h"
#include "platform/window_template.h"

namespace mirelta {

// The main window's answer to a control's colour query. It may draw on the replica as a side
// effect and returns the brush the control fills its background with.
class ColourHook {
  public:
    virtual BrushHandle OnCtlColor(DeviceContext& dc, int controlId) = 0;
    // Whether the query for this control draws graphics on the replica as well as answering.
    virtual bool DrawsGraphics(int /*controlId*/) const { return true; }
    // Where those graphics may fall; by default anywhere on the replica.
    virtual QRect GraphicsArea() const { return QRect(0, 0, kReplicaWidth, kReplicaHeight); }

  protected:
    ~ColourHook() = default;
};

// Paints the replica controls into one 720 x 480 image the way the original platform paints
// static controls: each visible control first asks the hook for its colours, then fills its
// rectangle and draws its text or bitmap. Graphics drawn by the hook stay where later controls
// do not paint over them.
//
// The hook's graphics are opaque and come out the same at every query of one repaint, so each
// query that draws them covers the same pixels with the same values, and only the last one's
// drawing survives under the controls painted after it. A whole-window repaint therefore lets
// only that last query draw (DeviceContext::drawsGraphics) and leaves the very same picture.
class Compositor {
  public:
    Compositor(ControlTable& controls, ColourHook& hook);

    void repaintWindow();
    void repaintControl(int id);
    // The same picture as repaintControl on each in turn; only the last query that draws
    // graphics draws them, as in a whole-window repaint.
    void repaintControls(std::span<const int> ids);

    QImage& image() { return image_; }
    const QImage& image() const { return image_; }

    // Called after every repaint, so a view can show the new pixels; paintedRect() tells which.
    std::function<void()> onPainted;
    const QRect& paintedRect() const { return painted_; }

  private:
    // `keepFace`: in a whole repaint, where faces come again; single repaints change texts.
    void paintControl(const Control& control, bool drawsGraphics, bool keepFace);
    void queryPanelControl(int id, bool drawsGraphics);
    // Paints one control, or asks a panel control, with or without the hook's graphics.
    void paintOne(const Control& control, bool drawsGraphics);
    int lastDrawingQuery() const;

    ControlTable& controls_;
    ColourHook& hook_;
    QImage image_;
    QFont dialogFont_;
    ControlFaces faces_;
    QRect painted_;
};

// The colours and brush of the base dialog's colour answer.
BrushHandle DefaultColourAnswer(DeviceContext& dc);

}  // namespace mirelta
