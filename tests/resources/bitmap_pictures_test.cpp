// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QImage>
#include <functional>

#include "mirelta_resources.h"

namespace mirelta {
namespace {

using PixelTest = std::function<bool(QRgb)>;

bool IsWhite(QRgb p) {
    return qRed(p) > 230 && qGreen(p) > 230 && qBlue(p) > 230;
}
bool IsDarkTeal(QRgb p) {
    return qRed(p) < 40 && qGreen(p) > 40 && qGreen(p) < 110 && qBlue(p) > 40 && qBlue(p) < 110;
}
bool IsGreen(QRgb p) {
    return qGreen(p) > 180 && qRed(p) < 100 && qBlue(p) < 100;
}
bool IsOrange(QRgb p) {
    return qRed(p) > 200 && qGreen(p) > 90 && qGreen(p) < 190 && qBlue(p) < 90;
}
bool IsRed(QRgb p) {
    return qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60;
}
bool IsDark(QRgb p) {
    return qGray(p) < 90;
}
bool IsGrey(QRgb p) {
    return qAbs(qRed(p) - qGreen(p)) < 12 && qAbs(qGreen(p) - qBlue(p)) < 12;
}

int Count(const QImage& image, const PixelTest& test) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += test(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}

// Separate runs of matching pixels along one row.
int RunsInRow(const QImage& image, int y, const PixelTest& test) {
    int runs = 0;
    bool inside = false;
    for (int x = 0; x < image.width(); ++x) {
        const bool match = test(image.pixel(x, y));
        runs += (match && !inside) ? 1 : 0;
        inside = match;
    }
    return runs;
}

int RowsMatchingInColumn(const QImage& image, int x, const PixelTest& test) {
    int rows = 0;
    for (int y = 0; y < image.height(); ++y) {
        rows += test(image.pixel(x, y)) ? 1 : 0;
    }
    return rows;
}

TEST(BitmapPictures, LnbBadgesAreWhiteTextOnDarkTeal) {
    for (const int id : {153, 165, 154}) {
        const QImage image = LoadBitmapResource(id);
        const int area = image.width() * image.height();
        EXPECT_GT(Count(image, IsDarkTeal), area / 3) << "bitmap " << id;
        EXPECT_GT(Count(image, IsWhite), 30) << "bitmap " << id;
    }
}

TEST(BitmapPictures, LnbBadgesCarryDifferentTexts) {
    EXPECT_NE(LoadBitmapResource(153), LoadBitmapResource(165));
    EXPECT_NE(LoadBitmapResource(153), LoadBitmapResource(154));
    EXPECT_NE(LoadBitmapResource(165), LoadBitmapResource(154));
}

TEST(BitmapPictures, BatteryShowsFourGreenBars) {
    const QImage image = LoadBitmapResource(155);
    EXPECT_EQ(RunsInRow(image, image.height() / 2, IsGreen), 4);
}

TEST(BitmapPictures, KeysAreOrangeWithDistinctLabels) {
    const int keys[] = {156, 158, 159, 160, 161, 162};
    for (const int id : keys) {
        const QImage image = LoadBitmapResource(id);
        EXPECT_GT(Count(image, IsOrange), image.width() * image.height() / 3) << "bitmap " << id;
        EXPECT_GT(Count(image, IsDark), 15) << "bitmap " << id << " has no label";
    }
    for (const int a : keys) {
        for (const int b : keys) {
            if (a < b) {
                EXPECT_NE(LoadBitmapResource(a), LoadBitmapResource(b)) << a << " and " << b;
            }
        }
    }
}

TEST(BitmapPictures, MarkerIsARedTrianglePointingUp) {
    const QImage image = LoadBitmapResource(163);
    EXPECT_TRUE(IsRed(image.pixel(8, 12)));
    EXPECT_FALSE(IsRed(image.pixel(0, 0)));
    EXPECT_FALSE(IsRed(image.pixel(16, 0)));
    EXPECT_TRUE(IsRed(image.pixel(3, 14)));
    EXPECT_TRUE(IsRed(image.pixel(13, 14)));
    const auto redInRow = [&image](int y) {
        int count = 0;
        for (int x = 0; x < image.width(); ++x) {
            count += IsRed(image.pixel(x, y)) ? 1 : 0;
        }
        return count;
    };
    EXPECT_LT(redInRow(4), redInRow(9));
    EXPECT_LT(redInRow(9), redInRow(14));
}

TEST(BitmapPictures, RulerIsGreyWithSixMajorSectionsAndMinorTicks) {
    const QImage image = LoadBitmapResource(164);
    EXPECT_EQ(Count(image, IsGrey), image.width() * image.height());
    // Only the major ticks reach halfway across; they bound six equal sections.
    const int middle = image.width() / 2;
    QList<int> majors;
    for (int y = 0; y < image.height(); ++y) {
        if (IsDark(image.pixel(middle, y))) {
            majors.append(y);
        }
    }
    ASSERT_EQ(majors.size(), 7);
    EXPECT_EQ(majors.front(), 0);
    EXPECT_EQ(majors.back(), image.height() - 1);
    for (int i = 1; i + 1 < majors.size(); ++i) {
        EXPECT_EQ(majors[i], i * image.height() / 6);
    }
    const int edge = image.width() - 1;
    EXPECT_GT(RowsMatchingInColumn(image, edge, IsDark), 4 * 6);
}

}  // namespace
}  // namespace mirelta
