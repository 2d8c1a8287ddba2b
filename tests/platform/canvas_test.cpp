// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/canvas.h"

#include <gtest/gtest.h>

#include <QImage>
#include <array>

namespace mirelta {
namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);

class CanvasTest : public ::testing::Test {
  protected:
    CanvasTest() : image(40, 30, QImage::Format_RGB32) { image.fill(kBlack); }
    int count(QRgb colour) const {
        int n = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                n += image.pixel(x, y) == colour;
            }
        }
        return n;
    }
    QImage image;
};

TEST_F(CanvasTest, FilledRectangleStopsBeforeRightAndBottom) {
    Canvas(image).fillRect({2, 3, 6, 5}, QBrush(Qt::red));
    EXPECT_EQ(image.pixel(2, 3), kRed);
    EXPECT_EQ(image.pixel(5, 4), kRed);
    EXPECT_EQ(image.pixel(6, 4), kBlack);
    EXPECT_EQ(image.pixel(5, 5), kBlack);
    EXPECT_EQ(count(kRed), 8);
}

TEST_F(CanvasTest, DrawingIsClippedToTheImage) {
    Canvas canvas(image);
    canvas.fillRect({-5, -5, 2, 2}, QBrush(Qt::red));
    canvas.fillRect({38, 28, 100, 100}, QBrush(Qt::red));
    canvas.setPixel(-1, 0, Qt::red);
    canvas.setPixel(40, 0, Qt::red);
    EXPECT_EQ(count(kRed), 4 + 4);
}

TEST_F(CanvasTest, LinesLeaveOutTheirEndPoint) {
    Canvas canvas(image);
    canvas.selectPen(Pen{Qt::red, 1});
    canvas.moveTo(5, 10);
    canvas.lineTo(15, 10);
    EXPECT_EQ(image.pixel(5, 10), kRed);
    EXPECT_EQ(image.pixel(14, 10), kRed);
    EXPECT_EQ(image.pixel(15, 10), kBlack);
    canvas.moveTo(20, 2);
    canvas.lineTo(20, 8);
    EXPECT_EQ(image.pixel(20, 7), kRed);
    EXPECT_EQ(image.pixel(20, 8), kBlack);
    EXPECT_EQ(count(kRed), 10 + 6);
}

TEST_F(CanvasTest, SelectPenHandsBackThePreviousPen) {
    Canvas canvas(image);
    const Pen first = canvas.selectPen(Pen{Qt::red, 1});
    EXPECT_EQ(first.colour, QColor(Qt::black));
    EXPECT_EQ(canvas.selectPen(first).colour, QColor(Qt::red));
}

TEST_F(CanvasTest, RoundRectangleIsOutlinedWithThePenAndFilledWhite) {
    Canvas canvas(image);
    canvas.selectPen(Pen{Qt::red, 1});
    canvas.roundRect({5, 5, 25, 20}, 10, 10);
    EXPECT_EQ(image.pixel(15, 5), kRed);   // top edge
    EXPECT_EQ(image.pixel(15, 19), kRed);  // bottom edge, one above `bottom`
    EXPECT_EQ(image.pixel(24, 12), kRed);  // right edge, one left of `right`
    EXPECT_EQ(image.pixel(15, 12), kWhite);
    EXPECT_EQ(image.pixel(15, 20), kBlack);
    EXPECT_EQ(image.pixel(25, 12), kBlack);
    EXPECT_EQ(image.pixel(5, 5), kBlack);  // the corner is rounded off
}

TEST_F(CanvasTest, PolygonRegionUsesTheWindingRule) {
    // A pentagram: the even-odd rule would leave its centre empty.
    const std::array<QPoint, 5> star{QPoint(20, 0), QPoint(32, 29), QPoint(2, 10), QPoint(38, 10),
                                     QPoint(8, 29)};
    Canvas(image).fillPolygonRegion(star, QBrush(Qt::red));
    EXPECT_EQ(image.pixel(20, 15), kRed);
    EXPECT_EQ(image.pixel(0, 0), kBlack);
}

TEST_F(CanvasTest, BitmapIsDrawnAtNaturalSizeAndClippedToItsControl) {
    QImage bitmap(10, 10, QImage::Format_RGB32);
    bitmap.fill(kRed);
    Canvas(image).drawBitmap({4, 4, 10, 8}, bitmap);
    EXPECT_EQ(image.pixel(4, 4), kRed);
    EXPECT_EQ(image.pixel(9, 7), kRed);
    EXPECT_EQ(image.pixel(10, 7), kBlack);
    EXPECT_EQ(image.pixel(9, 8), kBlack);
}

}  // namespace
}  // namespace mirelta
