// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QImage>

#include "mirelta_resources.h"

namespace mirelta {
namespace {

struct TabledBitmap {
    int id;
    int width;
    int height;
};

// The meter's bitmap table: resource number and size in pixels.
constexpr TabledBitmap kTable[] = {
    {153, 40, 30}, {165, 40, 30}, {154, 40, 30}, {155, 42, 20}, {156, 40, 30}, {158, 40, 30},
    {159, 40, 30}, {160, 40, 30}, {161, 40, 30}, {162, 40, 30}, {163, 17, 17}, {164, 10, 180},
};

// Widening of a 5- or 6-bit channel back to 8 bits by repeating its top bits.
int Widen(int value, int bits) {
    return (value << (8 - bits)) | (value >> (2 * bits - 8));
}

bool FitsIn565(QRgb pixel) {
    const int r = qRed(pixel);
    const int g = qGreen(pixel);
    const int b = qBlue(pixel);
    return r == Widen(r >> 3, 5) && g == Widen(g >> 2, 6) && b == Widen(b >> 3, 5);
}

TEST(BitmapResources, EveryTabledBitmapLoadsAtItsSize) {
    for (const TabledBitmap& entry : kTable) {
        const QImage image = LoadBitmapResource(entry.id);
        ASSERT_FALSE(image.isNull()) << "bitmap " << entry.id;
        EXPECT_EQ(image.width(), entry.width) << "bitmap " << entry.id;
        EXPECT_EQ(image.height(), entry.height) << "bitmap " << entry.id;
    }
}

TEST(BitmapResources, BitmapsComeAsRgb32) {
    for (const TabledBitmap& entry : kTable) {
        EXPECT_EQ(LoadBitmapResource(entry.id).format(), QImage::Format_RGB32)
            << "bitmap " << entry.id;
    }
}

TEST(BitmapResources, EveryPixelHolds16BitColour) {
    for (const TabledBitmap& entry : kTable) {
        const QImage image = LoadBitmapResource(entry.id);
        int outside = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                outside += FitsIn565(image.pixel(x, y)) ? 0 : 1;
            }
        }
        EXPECT_EQ(outside, 0) << "bitmap " << entry.id << " has colours outside 5-6-5";
    }
}

TEST(BitmapResources, FitsIn565RejectsAnUnquantisedColour) {
    EXPECT_TRUE(FitsIn565(qRgb(255, 255, 255)));
    EXPECT_TRUE(FitsIn565(qRgb(0, 0, 0)));
    EXPECT_FALSE(FitsIn565(qRgb(58, 116, 116)));
}

TEST(BitmapResources, UnknownNumbersGiveANullImage) {
    for (const int id : {-1, 0, 128, 152, 157, 166, 1000}) {
        EXPECT_TRUE(LoadBitmapResource(id).isNull()) << "resource " << id;
    }
}

}  // namespace
}  // namespace mirelta
