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

void DrawDish(QPainter& painter) {
    painter.save();
    painter.translate(196, 62);
    painter.rotate(-35);
    // Bowl: the lower half of an ellipse, opening upwards.
    QPainterPath bowl;
    bowl.moveTo(-50, 0);
    bowl.arcTo(QRectF(-50, -26, 100, 52), 180, 180);
    bowl.closeSubpath();
    painter.setPen(QPen(kDishEdge, 5));
    painter.setBrush(kDishColour);
    painter.drawPath(bowl);
    // Feed arm and the converter at its focus.
    painter.drawLine(QPointF(0, 24), QPointF(0, -34));
    painter.setBrush(kKeyColour);
    painter.drawRoundedRect(QRectF(-9, -50, 18, 18), 4, 4);
    painter.restore();
}

void DrawMeter(QPainter& painter, bool detailed) {
    const QRectF body = detailed ? QRectF(30, 70, 144, 176) : QRectF(40, 12, 176, 232);
    painter.setPen(QPen(kBodyEdge, detailed ? 6 : 10));
    painter.setBrush(kBodyColour);
    painter.drawRoundedRect(body, 24, 24);

    const QRectF screen(body.left() + 18, body.top() + 18, body.width() - 36,
                        body.height() * (detailed ? 0.46 : 0.52));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kScreenColour);
    painter.drawRoundedRect(screen, 8, 8);

    // Signal bars rising left to right.
    constexpr int kBars = 4;
    const qreal gap = screen.width() * 0.06;
    const qreal barWidth = (screen.width() - gap * (kBars + 1)) / kBars;
    const qreal floor = screen.bottom() - gap * 1.5;
    const qreal tallest = screen.height() - gap * 3;
    painter.setBrush(kBarColour);
    for (int bar = 0; bar < kBars; ++bar) {
        const qreal height = tallest * (bar + 1) / kBars;
        painter.drawRect(
            QRectF(screen.left() + gap + bar * (barWidth + gap), floor - height, barWidth, height));
    }

    // A row of orange keys under the screen.
    const int keys = detailed ? 3 : 2;
    const qreal keyGap = 14;
    const qreal keyWidth = (screen.width() - keyGap * (keys - 1)) / keys;
    const qreal keyTop = screen.bottom() + (detailed ? 16 : 22);
    const qreal keyHeight = body.bottom() - keyTop - (detailed ? 18 : 24);
    painter.setBrush(kKeyColour);
    for (int key = 0; key < keys; ++key) {
        painter.drawRoundedRect(
            QRectF(screen.left() + key * (keyWidth + keyGap), keyTop, keyWidth, keyHeight), 6, 6);
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
    // The dish only reads from 48 pixels up; smaller icons show a larger meter alone.
    const bool detailed = size >= 48;
    if (detailed) {
        painter.setPen(QPen(kBodyEdge, 6));
        painter.drawLine(QPointF(178, 100), QPointF(190, 86));
        DrawDish(painter);
    }
    DrawMeter(painter, detailed);
    return image;
}

}  // namespace mirelta
