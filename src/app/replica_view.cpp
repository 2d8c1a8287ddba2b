// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/replica_view.h"

#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace mirelta {

ReplicaView::ReplicaView(const QImage& image, QWidget* parent) : QWidget(parent), image_(image) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Out of the Tab chain: it shows no focus. A pick still hands it the focus, away from the list.
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(image.size());
}

void ReplicaView::setHint(const QString& hint) {
    hint_ = hint;
    update();
}

void ReplicaView::setScale(double scale) {
    scale_ = scale;
    setFixedSize(qRound(image_.width() * scale), qRound(image_.height() * scale));
    update();
}

void ReplicaView::updateReplica(const QRect& rect) {
    update(
        QRectF(rect.x() * scale_, rect.y() * scale_, rect.width() * scale_, rect.height() * scale_)
            .toAlignedRect());
}

void ReplicaView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF() * scale_;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, ratio != std::floor(ratio));
    if (scale_ == 1.0) {
        painter.drawImage(event->rect(), image_, event->rect());
    } else {
        painter.drawImage(rect(), image_);
    }
    if (!hint_.isEmpty()) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(rect(), Qt::AlignCenter, hint_);
    }
}

}  // namespace mirelta
