// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QPoint>
#include <span>
#include <string>

#include "platform/device_context.h"
#include "platform/geometry.h"

namespace mirelta {

struct Pen {
    QColor colour = Qt::black;
    int width = 1;
};

// Drawing on the replica image with the pixel rules of the original platform: filled rectangles
// stop before right and bottom, lines stop before their end point, rounded rectangles are outlined
// with the current pen and filled with the current brush (white unless one is selected), polygon
// regions use the winding rule. Everything is clipped to the image.
class Canvas {
  public:
    explicit Canvas(QImage& image) : image_(image) {}

    void fillRect(const Rect& rect, const QBrush& brush) { fillRect(rect, brush.color().rgb()); }
    void fillRect(const Rect& rect, QRgb colour);
    void setPixel(int x, int y, const QColor& colour);

    Pen selectPen(const Pen& pen);  // returns the pen it replaces
    void moveTo(int x, int y) { position_ = QPoint(x, y); }
    void lineTo(int x, int y);
    void roundRect(const Rect& rect, int ellipseWidth, int ellipseHeight);
    void fillPolygonRegion(std::span<const QPoint> points, const QBrush& brush);

    // Control painting: text clipped to its rectangle, a bitmap at natural size from the top-left.
    void drawText(const Rect& rect, const std::string& text, const DeviceContext& dc,
                  int horizontalAlignment, bool verticallyCentred);
    void drawBitmap(const Rect& rect, const QImage& bitmap);

  private:
    QImage& image_;
    Pen pen_;
    QBrush brush_{Qt::white};
    QPoint position_;
};

}  // namespace mirelta
