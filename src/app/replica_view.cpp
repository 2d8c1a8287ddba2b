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

void ReplicaView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, ratio != std::floor(ratio));
    painter.drawImage(event->rect(), image_, event->rect());
    if (!hint_.isEmpty()) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(rect(), Qt::AlignCenter, hint_);
    }
}

}  // namespace mirelta
