#pragma once

#include <QFont>
#include <QImage>
#include <functional>

#include "platform/brushes.h"
#include "platform/control_table.h"
#include "platform/device_context.h"

namespace mirelta {

// The main window's answer to a control's colour query. It may draw on the replica as a side
// effect and returns the brush the control fills its background with.
class ColourHook {
  public:
    virtual BrushHandle OnCtlColor(DeviceContext& dc, int controlId) = 0;

  protected:
    ~ColourHook() = default;
};

// Paints the replica controls into one 720 x 480 image the way the original platform paints
// static controls: each visible control first asks the hook for its colours, then fills its
// rectangle and draws its text or bitmap. Graphics drawn by the hook stay where later controls
// do not paint over them.
class Compositor {
  public:
    Compositor(ControlTable& controls, ColourHook& hook);

    void repaintWindow();
    void repaintControl(int id);

    QImage& image() { return image_; }
    const QImage& image() const { return image_; }

    // Called after every repaint, so a view can show the new pixels.
    std::function<void()> onPainted;

  private:
    void paintControl(const Control& control);
    void queryPanelControl(int id);

    ControlTable& controls_;
    ColourHook& hook_;
    QImage image_;
    QFont dialogFont_;
};

// The colours and brush of the base dialog's colour answer.
BrushHandle DefaultColourAnswer(DeviceContext& dc);

}  // namespace mirelta
