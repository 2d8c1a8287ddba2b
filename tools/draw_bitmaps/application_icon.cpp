// SPDX-License-Identifier: GPL-3.0-or-later
#include "application_icon.h"

#include <QPainter>
#include <QPainterPath>

namespace mirelta {
namespace {

// The motif is laid out on a 256-unit square and scaled to the requested size.
constexpr qreal kDesignSize = 256.0;

const QColor kBodyColour(52, 64, 78);
const QColor kBodyEdge(24, 30, 38);
const QColor kScreenColour(16, 66, 70);
const QColor kBarColour(60, 230, 60);
const QColor kKeyColour(255, 140, 24);
const QColor kDishColour(226, 232, 236);
const QColor kDishEdge(96, 104, 112);

struct MeterLayout {
    QRectF body;  // centre line of the casing's edge
    qreal edge;
    qreal corner;
    QRectF screen;
    qreal barGap;
    int keys;
    QRectF keyRow;
};

// Small icons: the meter fills the square. Edges fall on whole pixels at 16, 32 and 48.
constexpr MeterLayout kCompact{QRectF(24, 8, 192, 240), 16, 40, QRectF(48, 32, 144, 112), 16, 2,
                               QRectF(48, 160, 144, 48)};
// Large icons: a smaller meter leaves room for the dish. Edges fall on whole pixels at 64.
constexpr MeterLayout kDetailed{QRectF(24, 80, 152, 168), 8, 24, QRectF(40, 96, 120, 88), 8, 3,
                                QRectF(40, 196, 120, 36)};

void DrawDish(QPainter& painter) {
    painter.save();
    painter.translate(200, 64);
    painter.rotate(40);
    // Bowl: the lower half of an ellipse, opening towards the sky.
    QPainterPath bowl;
    bowl.moveTo(-56, 0);
    bowl.arcTo(QRectF(-56, -36, 112, 72), 180, 180);
    bowl.closeSubpath();
    painter.setPen(QPen(kDishEdge, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    // Mast down to the meter, behind the bowl.
    painter.drawLine(QPointF(0, 36), QPointF(0, 70));
    painter.setBrush(kDishColour);
    painter.drawPath(bowl);
    // Feed arm and the converter at its focus.
    painter.drawLine(QPointF(0, 30), QPointF(0, -34));
    painter.setBrush(kKeyColour);
    painter.drawRoundedRect(QRectF(-10, -52, 20, 20), 4, 4);
    painter.restore();
}

void DrawMeter(QPainter& painter, const MeterLayout& layout) {
    painter.setPen(QPen(kBodyEdge, layout.edge));
    painter.setBrush(kBodyColour);
    painter.drawRoundedRect(layout.body, layout.corner, layout.corner);

    painter.setPen(Qt::NoPen);
    painter.setBrush(kScreenColour);
    painter.drawRect(layout.screen);

    // Four signal bars rising left to right, one gap from the screen's edges.
    constexpr int kBars = 4;
    const qreal gap = layout.barGap;
    const QRectF inner = layout.screen.adjusted(gap, gap, -gap, -gap);
    const qreal barWidth = (inner.width() - gap * (kBars - 1)) / kBars;
    const qreal step = (inner.height() - gap) / kBars;
    painter.setBrush(kBarColour);
    for (int bar = 0; bar < kBars; ++bar) {
        const qreal height = gap + step * (bar + 1);
        painter.drawRect(QRectF(inner.left() + bar * (barWidth + gap), inner.bottom() - height,
                                barWidth, height));
    }

    const QRectF& row = layout.keyRow;
    const qreal keyWidth = (row.width() - gap * (layout.keys - 1)) / layout.keys;
    painter.setBrush(kKeyColour);
    for (int key = 0; key < layout.keys; ++key) {
        painter.drawRect(
            QRectF(row.left() + key * (keyWidth + gap), row.top(), keyWidth, row.height()));
    }
}

}  // namespace

std::vector<int> ApplicationIconSizes() {
    return {16, 24, 32, 48, 64, 128, 256};
}

QImage DrawApplicationIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kDesignSize, size / kDesignSize);
    // The dish only reads from 64 pixels up; smaller icons show a larger meter alone.
    if (size >= 64) {
        DrawDish(painter);
        DrawMeter(painter, kDetailed);
    } else {
        DrawMeter(painter, kCompact);
    }
    return image;
}

}  // namespace mirelta
