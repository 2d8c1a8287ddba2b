// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/page_flow.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace mirelta {

QFont ReportFont(double points, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("WenQuanYi Micro Hei")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

PageFlow::PageFlow(QPainter& painter, QPagedPaintDevice& device)
    : painter_(painter), device_(device) {}

double PageFlow::mm(double millimetres) const {
    return millimetres * device_.logicalDpiX() / 25.4;
}

double PageFlow::width() const {
    return device_.width();
}

double PageFlow::height() const {
    return device_.height();
}

bool PageFlow::fits(double height) const {
    return y_ + height <= device_.height();
}

void PageFlow::newPage() {
    device_.newPage();
    y_ = 0;
}

void PageFlow::line(const QString& text, const QFont& font) {
    painter_.setFont(font);
    const QRectF room(0, y_, width(), device_.height() - y_);
    const QRectF used = painter_.boundingRect(room, Qt::TextWordWrap, text);
    painter_.drawText(room, Qt::TextWordWrap, text);
    y_ += used.height() + mm(1.5);
}

void PageFlow::cell(const QRectF& box, const QString& text, const QColor& fill) {
    painter_.fillRect(box, fill);
    painter_.setPen(QPen(Qt::black, 0));
    painter_.drawRect(box);
    const double pad = mm(1);
    painter_.drawText(box.adjusted(pad, 0, -pad, 0),
                      Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text);
}

}  // namespace mirelta
