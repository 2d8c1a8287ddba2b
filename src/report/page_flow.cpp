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

namespace {

constexpr double kFooterMm = 8;

}  // namespace

PageFlow::PageFlow(QPainter& painter, QPagedPaintDevice& device, PageFooter footer)
    : painter_(painter), device_(device), footer_(std::move(footer)) {}

double PageFlow::mm(double millimetres) const {
    return millimetres * device_.logicalDpiX() / 25.4;
}

double PageFlow::width() const {
    return device_.width();
}

double PageFlow::height() const {
    return device_.height() - mm(kFooterMm);
}

bool PageFlow::fits(double needed) const {
    return y_ + needed <= height();
}

void PageFlow::newPage() {
    paintFooter();
    device_.newPage();
    ++page_;
    y_ = 0;
}

int PageFlow::finish() {
    paintFooter();
    return page_;
}

void PageFlow::paintFooter() {
    painter_.save();
    painter_.setFont(ReportFont(7.5));
    painter_.setPen(QColor(90, 90, 90));
    const double top = device_.height() - mm(kFooterMm * 0.6);
    painter_.drawLine(QPointF(0, top - mm(1)), QPointF(width(), top - mm(1)));
    const QRectF band(0, top, width(), mm(kFooterMm * 0.6));
    painter_.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, footer_.left);
    const QString page = footer_.pages > 0 ? footer_.pageOf.arg(page_).arg(footer_.pages)
                                           : footer_.pageOf.arg(page_).arg(QStringLiteral("?"));
    painter_.drawText(band, Qt::AlignHCenter | Qt::AlignVCenter, page);
    painter_.drawText(band, Qt::AlignRight | Qt::AlignVCenter, footer_.right);
    painter_.restore();
}

void PageFlow::line(const QString& text, const QFont& font) {
    painter_.setFont(font);
    QRectF room(0, y_, width(), height() - y_);
    QRectF used = painter_.boundingRect(room, Qt::TextWordWrap, text);
    if (used.height() > room.height() && y_ > 0) {
        newPage();
        room = QRectF(0, y_, width(), height());
        used = painter_.boundingRect(room, Qt::TextWordWrap, text);
    }
    painter_.drawText(room, Qt::TextWordWrap, text);
    y_ += used.height() + mm(1.5);
}

void PageFlow::frameBlock(double top) {
    painter_.setPen(QPen(QColor(150, 150, 150), 0));
    painter_.drawRect(QRectF(0, top - mm(1), width(), y_ - top + mm(1)));
    painter_.setPen(QPen(Qt::black, 0));
    advance(mm(3));
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
