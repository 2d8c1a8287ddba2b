#include "app/replica_view.h"

#include <QPaintEvent>
#include <QPainter>

namespace mirelta {

ReplicaView::ReplicaView(const QImage& image, QWidget* parent) : QWidget(parent), image_(image) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(image.size());
}

void ReplicaView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), image_, event->rect());
}

}  // namespace mirelta
