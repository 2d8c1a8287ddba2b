// SPDX-License-Identifier: GPL-3.0-or-later
#include "meter_bitmaps.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QString>

namespace mirelta {
namespace {

// Backgrounds the pictures sit on in the replica, so their corners blend in.
const QColor kTitleTeal(58, 116, 116);
const QColor kFrameGrey(160, 160, 160);
const QColor kPanelGrey(190, 190, 190);

QFont LabelFont(int pixelSize) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::NoSubpixelAntialias);
    return font;
}

QImage BlankPicture(int width, int height, const QColor& background) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(background);
    return image;
}

// The meter keeps its bitmaps at 16 bits per pixel.
QImage QuantiseTo565(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB16).convertToFormat(QImage::Format_RGB32);
}

QImage DrawLnbBadge(const QString& text) {
    QImage image = BlankPicture(40, 30, kTitleTeal);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(150, 205, 205), 1.0));
    painter.setBrush(QColor(16, 66, 70));
    painter.drawRoundedRect(QRectF(1.5, 2.5, 37, 25), 5, 5);
    painter.setFont(LabelFont(17));
    painter.setPen(Qt::white);
    painter.drawText(QRect(1, 2, 38, 26), Qt::AlignCenter, text);
    return image;
}

QImage DrawBattery() {
    QImage image = BlankPicture(42, 20, kTitleTeal);
    QPainter painter(&image);
    const QColor outline(235, 245, 245);
    // Casing: a two-pixel frame with the contact nub on the right.
    painter.fillRect(QRect(1, 2, 36, 16), outline);
    painter.fillRect(QRect(3, 4, 32, 12), QColor(20, 60, 62));
    painter.fillRect(QRect(37, 6, 3, 8), outline);
    const QColor green(40, 224, 40);
    for (int bar = 0; bar < 4; ++bar) {
        painter.fillRect(QRect(5 + bar * 7, 6, 6, 8), green);
    }
    return image;
}

QImage DrawKey(const QString& label) {
    QImage image = BlankPicture(40, 30, kFrameGrey);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // Shadow, body, then a lighter top face so the key looks raised.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(96, 96, 96));
    painter.drawRoundedRect(QRectF(2, 3, 37, 26), 6, 6);
    painter.setBrush(QColor(200, 88, 0));
    painter.drawRoundedRect(QRectF(1, 1, 37, 26), 6, 6);
    painter.setBrush(QColor(255, 140, 24));
    painter.drawRoundedRect(QRectF(2, 2, 35, 23), 5, 5);
    painter.setFont(LabelFont(label.size() > 2 ? 12 : 15));
    painter.setPen(QColor(24, 16, 8));
    painter.drawText(QRect(2, 2, 35, 23), Qt::AlignCenter, label);
    return image;
}

QImage DrawMarker() {
    QImage image = BlankPicture(17, 17, kPanelGrey);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath triangle;
    triangle.moveTo(8.5, 1.0);
    triangle.lineTo(16.0, 15.5);
    triangle.lineTo(1.0, 15.5);
    triangle.closeSubpath();
    painter.setPen(QPen(QColor(150, 0, 0), 1.0));
    painter.setBrush(QColor(255, 0, 0));
    painter.drawPath(triangle);
    return image;
}

QImage DrawRuler() {
    constexpr int kWidth = 10;
    constexpr int kHeight = 180;
    constexpr int kSections = 6;
    constexpr int kMinorStep = 6;
    QImage image = BlankPicture(kWidth, kHeight, QColor(214, 214, 214));
    QPainter painter(&image);
    const QColor edge(120, 120, 120);
    const QColor tick(48, 48, 48);
    painter.fillRect(QRect(0, 0, 1, kHeight), edge);
    const int section = kHeight / kSections;
    for (int y = 0; y < kHeight; y += kMinorStep) {
        const bool major = y % section == 0;
        const int length = major ? 8 : 4;
        painter.fillRect(QRect(kWidth - length, y, length, 1), tick);
    }
    // Closing major tick at the bottom edge.
    painter.fillRect(QRect(kWidth - 8, kHeight - 1, 8, 1), tick);
    return image;
}

QImage DrawUnquantised(int resourceId) {
    switch (resourceId) {
        case 153:
            return DrawLnbBadge(QStringLiteral("13v"));
        case 154:
            return DrawLnbBadge(QStringLiteral("22k"));
        case 155:
            return DrawBattery();
        case 156:
            return DrawKey(QStringLiteral("EXIT"));
        case 158:
            return DrawKey(QStringLiteral("F1"));
        case 159:
            return DrawKey(QStringLiteral("F2"));
        case 160:
            return DrawKey(QStringLiteral("F3"));
        case 161:
            return DrawKey(QStringLiteral("F4"));
        case 162:
            return DrawKey(QStringLiteral("OK"));
        case 163:
            return DrawMarker();
        case 164:
            return DrawRuler();
        case 165:
            return DrawLnbBadge(QStringLiteral("18v"));
        default:
            return {};
    }
}

}  // namespace

std::vector<int> MeterBitmapIds() {
    return {153, 154, 155, 156, 158, 159, 160, 161, 162, 163, 164, 165};
}

QImage DrawMeterBitmap(int resourceId) {
    const QImage image = DrawUnquantised(resourceId);
    return image.isNull() ? image : QuantiseTo565(image);
}

}  // namespace mirelta
