// SPDX-License-Identifier: GPL-3.0-or-later
// Pixel packing of written BMPs, and independent readers decoding them to the same picture.
#include <gtest/gtest.h>

#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

#include "export/bmp_writer.h"
#include "test_support.h"

namespace mirelta {
namespace {

using test::Le16;

TEST(BmpPacking, SixteenBitsAreX1R5G5B5LowByteFirst) {
    QImage image(6, 1, QImage::Format_RGB32);
    const QRgb colours[] = {qRgb(255, 0, 0),     qRgb(0, 255, 0),    qRgb(0, 0, 255),
                            qRgb(255, 255, 255), qRgb(58, 116, 116), qRgb(8, 8, 8)};
    for (int x = 0; x < 6; ++x) {
        image.setPixel(x, 0, colours[x]);
    }
    const auto bytes = EncodeBmp(image, 16);
    ASSERT_EQ(bytes.size(), 54u + 12u);
    EXPECT_EQ(Le16(bytes, 54), 0x7C00);  // red
    EXPECT_EQ(Le16(bytes, 56), 0x03E0);  // green
    EXPECT_EQ(Le16(bytes, 58), 0x001F);  // blue
    EXPECT_EQ(Le16(bytes, 60), 0x7FFF);  // white: the top bit stays clear
    EXPECT_EQ(Le16(bytes, 62), 0x1DCE);  // teal: 7, 14, 14
    EXPECT_EQ(Le16(bytes, 64), 0x0421);  // (8,8,8): 1, 1, 1
    EXPECT_EQ(bytes[54], 0x00);
    EXPECT_EQ(bytes[55], 0x7C);
}

TEST(BmpPacking, LowThreeBitsAreDropped) {
    QImage image(2, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(7, 7, 7));
    image.setPixel(1, 0, qRgb(15, 255, 16));
    const auto bytes = EncodeBmp(image, 16);
    EXPECT_EQ(Le16(bytes, 54), 0x0000);
    EXPECT_EQ(Le16(bytes, 56), (1 << 10) | (31 << 5) | 2);
}

TEST(BmpPacking, TwentyFourBitsAreBlueGreenRed) {
    QImage image(4, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(1, 2, 3));
    image.setPixel(1, 0, qRgb(58, 116, 116));
    image.setPixel(2, 0, qRgb(57, 165, 214));
    image.setPixel(3, 0, qRgb(255, 0, 128));
    const auto bytes = EncodeBmp(image, 24);
    const std::vector<std::uint8_t> expected{3, 2, 1, 116, 116, 58, 214, 165, 57, 128, 0, 255};
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 54, bytes.end()), expected);
}

TEST(BmpPacking, ThirtyTwoBitsAreBlueGreenRedAndZero) {
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(1, 2, 3, 255));
    image.setPixel(1, 0, qRgba(57, 165, 214, 255));
    const auto bytes = EncodeBmp(image, 32);
    const std::vector<std::uint8_t> expected{3, 2, 1, 0, 214, 165, 57, 0};
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 54, bytes.end()), expected);
}

// Compares a decoded picture with the original; 16-bit files keep only five bits per channel.
void ExpectSamePixels(const QImage& original, const QImage& decoded, int bitsPerPixel) {
    ASSERT_EQ(decoded.size(), original.size());
    const int shift = bitsPerPixel == 16 ? 3 : 0;
    for (int y = 0; y < original.height(); ++y) {
        for (int x = 0; x < original.width(); ++x) {
            const QRgb a = original.pixel(x, y);
            const QRgb b = decoded.pixel(x, y);
            ASSERT_EQ(qRed(a) >> shift, qRed(b) >> shift) << x << "," << y;
            ASSERT_EQ(qGreen(a) >> shift, qGreen(b) >> shift) << x << "," << y;
            ASSERT_EQ(qBlue(a) >> shift, qBlue(b) >> shift) << x << "," << y;
        }
    }
}

struct Picture {
    int width;
    int height;
    int bitsPerPixel;
};

std::string PictureName(const ::testing::TestParamInfo<Picture>& info) {
    return std::to_string(info.param.width) + "x" + std::to_string(info.param.height) + "at" +
           std::to_string(info.param.bitsPerPixel);
}

class BmpDecoding : public ::testing::TestWithParam<Picture> {};

TEST_P(BmpDecoding, QtReaderGetsTheSamePixels) {
    const Picture p = GetParam();
    const QImage original = test::MakePatternImage(p.width, p.height);
    const auto bytes = EncodeBmp(original, p.bitsPerPixel);
    const QImage decoded = QImage::fromData(bytes.data(), static_cast<int>(bytes.size()), "BMP");
    ASSERT_FALSE(decoded.isNull());
    ExpectSamePixels(original, decoded, p.bitsPerPixel);
}

bool IsImageMagick(const QString& program) {
    if (QStandardPaths::findExecutable(program).isEmpty()) {
        return false;
    }
    QProcess process;
    process.start(program, {"-version"});
    return process.waitForFinished(10000) &&
           process.readAllStandardOutput().contains("ImageMagick");
}

QByteArray RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString()
                      << " failed: " << process.readAllStandardError().toStdString();
        return {};
    }
    return process.readAllStandardOutput();
}

TEST_P(BmpDecoding, ImageMagickGetsTheSamePixels) {
    if (!IsImageMagick("identify") || !IsImageMagick("convert")) {
        GTEST_SKIP() << "ImageMagick's identify and convert are not installed";
    }
    const Picture p = GetParam();
    const QImage original = test::MakePatternImage(p.width, p.height);
    test::ScratchFolder folder;
    const auto file = folder.path() / "picture.bmp";
    test::WriteBytes(file, EncodeBmp(original, p.bitsPerPixel));
    const QString name = QString::fromStdString(file.string());

    const QByteArray size = RunTool("identify", {"-format", "%w %h", name});
    EXPECT_EQ(size.toStdString(), std::to_string(p.width) + " " + std::to_string(p.height));

    const QByteArray rgb = RunTool("convert", {name, "-depth", "8", "rgb:-"});
    ASSERT_EQ(rgb.size(), p.width * p.height * 3);
    QImage decoded(p.width, p.height, QImage::Format_RGB32);
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) {
            const auto* at =
                reinterpret_cast<const unsigned char*>(rgb.constData()) + (y * p.width + x) * 3;
            decoded.setPixel(x, y, qRgb(at[0], at[1], at[2]));
        }
    }
    ExpectSamePixels(original, decoded, p.bitsPerPixel);
}

INSTANTIATE_TEST_SUITE_P(Pictures, BmpDecoding,
                         ::testing::Values(Picture{720, 480, 16}, Picture{720, 480, 24},
                                           Picture{720, 480, 32}, Picture{13, 7, 16},
                                           Picture{13, 7, 24}, Picture{13, 7, 32}),
                         PictureName);

}  // namespace
}  // namespace mirelta
