// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/canvas.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/text_codec.h"

namespace mirelta {

namespace {

QRect clipped(const Rect& rect, const QImage& image) {
    return rect.toQRect().intersected(image.rect());
}

}  // namespace

void Canvas::fillRect(const Rect& rect, QRgb colour) {
    const QRect area = clipped(rect, image_);
    if (area.isEmpty()) {
        return;
    }
    // One row filled, then copied: a row copy is one bulk move, a per-pixel store loop is not.
    auto* first = reinterpret_cast<QRgb*>(image_.scanLine(area.top())) + area.left();
    std::fill_n(first, area.width(), colour);
    const auto rowBytes = static_cast<std::size_t>(area.width()) * sizeof(QRgb);
    for (int y = area.top() + 1; y <= area.bottom(); ++y) {
        std::memcpy(reinterpret_cast<QRgb*>(image_.scanLine(y)) + area.left(), first, rowBytes);
    }
}

void Canvas::setPixel(int x, int y, const QColor& colour) {
    if (image_.rect().contains(x, y)) {
        reinterpret_cast<QRgb*>(image_.scanLine(y))[x] = colour.rgb();
    }
}

Pen Canvas::selectPen(const Pen& pen) {
    Pen previous = pen_;
    pen_ = pen;
    return previous;
}

void Canvas::lineTo(int x, int y) {
    // Bresenham from the current position, the end point itself left out.
    int x0 = position_.x();
    int y0 = position_.y();
    const int dx = std::abs(x - x0);
    const int dy = -std::abs(y - y0);
    const int sx = x0 < x ? 1 : -1;
    const int sy = y0 < y ? 1 : -1;
    int error = dx + dy;
    const int half = (pen_.width - 1) / 2;
    while (x0 != x || y0 != y) {
        if (pen_.width <= 1) {
            setPixel(x0, y0, pen_.colour);
        } else {
            fillRect({x0 - half, y0 - half, x0 - half + pen_.width, y0 - half + pen_.width},
                     pen_.colour.rgb());
        }
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y0 += sy;
        }
    }
    position_ = QPoint(x, y);
}

void Canvas::roundRect(const Rect& rect, int ellipseWidth, int ellipseHeight) {
    if (rect.width() <= 1 || rect.height() <= 1) {
        return;
    }
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(pen_.colour, pen_.width));
    painter.setBrush(brush_);
    // The outline runs along the outermost pixels, so the shape ends before right and bottom.
    painter.drawRoundedRect(QRect(rect.left, rect.top, rect.width() - 1, rect.height() - 1),
                            ellipseWidth / 2.0, ellipseHeight / 2.0);
}

void Canvas::fillPolygonRegion(std::span<const QPoint> points, const QBrush& brush) {
    if (points.size() < 3) {
        return;
    }
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(brush);
    painter.drawPolygon(points.data(), static_cast<int>(points.size()), Qt::WindingFill);
}

void Canvas::drawText(const Rect& rect, const std::string& text, const DeviceContext& dc,
                      int horizontalAlignment, bool verticallyCentred) {
    if (text.empty() || rect.width() <= 0 || rect.height() <= 0) {
        return;
    }
    QPainter painter(&image_);
    painter.setClipRect(rect.toQRect());
    if (dc.font != nullptr) {
        painter.setFont(*dc.font);
    }
    painter.setPen(dc.textColour);
    int flags = horizontalAlignment == 1   ? Qt::AlignHCenter
                : horizontalAlignment == 2 ? Qt::AlignRight
                                           : Qt::AlignLeft;
    flags |= verticallyCentred ? (Qt::AlignVCenter | Qt::TextSingleLine)
                               : (Qt::AlignTop | Qt::TextWordWrap);
    painter.drawText(rect.toQRect(), flags, DecodeLocalText(text));
}

void Canvas::drawBitmap(const Rect& rect, const QImage& bitmap) {
    if (bitmap.isNull()) {
        return;
    }
    QPainter painter(&image_);
    painter.setClipRect(rect.toQRect());
    painter.drawImage(QPoint(rect.left, rect.top), bitmap);
}

}  // namespace mirelta
