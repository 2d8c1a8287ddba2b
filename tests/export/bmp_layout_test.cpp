// SPDX-License-Identifier: GPL-3.0-or-later
// File layout of written BMPs: sizes, every header field, row order and row padding.
#include <gtest/gtest.h>

#include <stdexcept>

#include "export/bmp_writer.h"
#include "test_support.h"

namespace mirelta {
namespace {

using test::Le16;
using test::Le32;

struct ScreenDepth {
    int bitsPerPixel;
    std::uint32_t fileSize;
    std::uint32_t imageSize;
};

class BmpScreenLayout : public ::testing::TestWithParam<ScreenDepth> {};

TEST_P(BmpScreenLayout, FileSizeMatchesDepth) {
    const auto bytes = EncodeBmp(test::MakeTitledImage(720, 480), GetParam().bitsPerPixel);
    EXPECT_EQ(bytes.size(), GetParam().fileSize);
}

TEST_P(BmpScreenLayout, EveryHeaderFieldHasItsValue) {
    const auto bytes = EncodeBmp(test::MakeTitledImage(720, 480), GetParam().bitsPerPixel);
    ASSERT_GE(bytes.size(), 54u);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(Le16(bytes, 0), 19778);
    EXPECT_EQ(Le32(bytes, 2), GetParam().fileSize);
    EXPECT_EQ(Le16(bytes, 6), 0);
    EXPECT_EQ(Le16(bytes, 8), 0);
    EXPECT_EQ(Le32(bytes, 10), 54u);
    EXPECT_EQ(Le32(bytes, 14), 40u);
    EXPECT_EQ(Le32(bytes, 18), 720u);
    EXPECT_EQ(Le32(bytes, 22), 480u);  // positive: bottom-up rows
    EXPECT_EQ(Le16(bytes, 26), 1);
    EXPECT_EQ(Le16(bytes, 28), GetParam().bitsPerPixel);
    EXPECT_EQ(Le32(bytes, 30), 0u);
    EXPECT_EQ(Le32(bytes, 34), GetParam().imageSize);
    EXPECT_EQ(Le32(bytes, 38), 0u);
    EXPECT_EQ(Le32(bytes, 42), 0u);
    EXPECT_EQ(Le32(bytes, 46), 0u);
    EXPECT_EQ(Le32(bytes, 50), 0u);
}

INSTANTIATE_TEST_SUITE_P(Depths, BmpScreenLayout,
                         ::testing::Values(ScreenDepth{16, 691254, 691200},
                                           ScreenDepth{24, 1036854, 1036800},
                                           ScreenDepth{32, 1382454, 1382400}),
                         [](const auto& depth) {
                             return std::to_string(depth.param.bitsPerPixel) + "bit";
                         });

TEST(BmpRowOrder, BottomRowFirstTitleRowsLastAt24Bits) {
    const auto bytes = EncodeBmp(test::MakeTitledImage(720, 480), 24);
    const std::size_t rowSize = 2160;
    for (std::size_t x = 0; x < 720; ++x) {
        const std::size_t at = 54 + x * 3;  // stored row 0 is y 479, red
        ASSERT_EQ(bytes[at], 0) << x;
        ASSERT_EQ(bytes[at + 1], 0) << x;
        ASSERT_EQ(bytes[at + 2], 255) << x;
    }
    EXPECT_EQ(bytes[54 + rowSize], 190);  // y 478 is panel grey
    for (std::size_t row = 432; row < 480; ++row) {
        for (std::size_t x = 0; x < 720; ++x) {
            const std::size_t at = 54 + row * rowSize + x * 3;
            ASSERT_EQ(bytes[at], 116) << row << "," << x;
            ASSERT_EQ(bytes[at + 1], 116) << row << "," << x;
            ASSERT_EQ(bytes[at + 2], 58) << row << "," << x;
        }
    }
    EXPECT_EQ(bytes[54 + 431 * rowSize + 2], 190);  // y 48, just under the title, is grey
}

TEST(BmpRowOrder, BottomRowFirstTitleRowsLastAt16Bits) {
    const auto bytes = EncodeBmp(test::MakeTitledImage(720, 480), 16);
    EXPECT_EQ(Le16(bytes, 54), 0x7C00);                // y 479, red
    EXPECT_EQ(Le16(bytes, 54 + 1440), 0x5EF7);         // y 478, grey (23,23,23)
    EXPECT_EQ(Le16(bytes, 54 + 432 * 1440), 0x1DCE);   // y 47, teal
    EXPECT_EQ(Le16(bytes, bytes.size() - 2), 0x1DCE);  // y 0, teal, last in the file
}

TEST(BmpRowOrder, BottomRowFirstAndFourthByteZeroAt32Bits) {
    const auto bytes = EncodeBmp(test::MakeTitledImage(720, 480), 32);
    const std::vector<std::uint8_t> red{0, 0, 255, 0};
    const std::vector<std::uint8_t> teal{116, 116, 58, 0};
    EXPECT_TRUE(std::equal(red.begin(), red.end(), bytes.begin() + 54));
    EXPECT_TRUE(std::equal(teal.begin(), teal.end(), bytes.end() - 4));
    for (std::size_t at = 54 + 3; at < bytes.size(); at += 4) {
        ASSERT_EQ(bytes[at], 0) << at;
    }
}

struct OddWidth {
    int width;
    int bitsPerPixel;
    std::size_t rowSize;
    std::size_t dataBytes;
};

class BmpRowPadding : public ::testing::TestWithParam<OddWidth> {};

TEST_P(BmpRowPadding, RowsArePaddedToFourBytesWithZeros) {
    const OddWidth c = GetParam();
    QImage image(c.width, 3, QImage::Format_RGB32);
    image.fill(qRgb(255, 255, 255));
    const auto bytes = EncodeBmp(image, c.bitsPerPixel);
    ASSERT_EQ(bytes.size(), 54 + 3 * c.rowSize);
    EXPECT_EQ(Le32(bytes, 2), 54 + 3 * c.rowSize);
    EXPECT_EQ(Le32(bytes, 34), 3 * c.rowSize);
    for (std::size_t row = 0; row < 3; ++row) {
        const std::size_t start = 54 + row * c.rowSize;
        EXPECT_NE(bytes[start + c.dataBytes - 2], 0) << "pixel data reaches the end of the row";
        for (std::size_t i = c.dataBytes; i < c.rowSize; ++i) {
            EXPECT_EQ(bytes[start + i], 0) << "row " << row << " byte " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Widths, BmpRowPadding,
                         ::testing::Values(OddWidth{1, 16, 4, 2}, OddWidth{5, 16, 12, 10},
                                           OddWidth{1, 24, 4, 3}, OddWidth{3, 24, 12, 9},
                                           OddWidth{5, 24, 16, 15}, OddWidth{3, 32, 12, 12}));

// A reused buffer that held a larger, busier picture must not leak its bytes into the next one.
TEST_P(BmpRowPadding, ReusedBufferGivesTheBytesOfAFreshOne) {
    const OddWidth c = GetParam();
    QImage large(c.width + 7, 9, QImage::Format_RGB32);
    large.fill(qRgb(200, 100, 50));
    QImage image(c.width, 3, QImage::Format_RGB32);
    image.fill(qRgb(255, 255, 255));
    std::vector<std::uint8_t> reused;
    EncodeBmpInto(large, c.bitsPerPixel, reused);
    EncodeBmpInto(image, c.bitsPerPixel, reused);
    EXPECT_EQ(reused, EncodeBmp(image, c.bitsPerPixel));
}

TEST(BmpDepth, ScreenDepthsMapToSavedDepths) {
    EXPECT_EQ(BmpDepthForScreenDepth(16), 16);
    EXPECT_EQ(BmpDepthForScreenDepth(24), 24);
    EXPECT_EQ(BmpDepthForScreenDepth(32), 32);
    EXPECT_EQ(BmpDepthForScreenDepth(30), 32);
    EXPECT_EQ(BmpDepthForScreenDepth(15), 32);
    EXPECT_EQ(BmpDepthForScreenDepth(8), 32);
    EXPECT_EQ(BmpDepthForScreenDepth(1), 32);
}

TEST(BmpBadInput, UnsupportedDepthIsRefused) {
    const QImage image = test::MakeTitledImage(8, 8);
    for (int depth : {0, 1, 4, 8, 15, 31, 64}) {
        EXPECT_THROW(EncodeBmp(image, depth), std::invalid_argument) << depth;
    }
}

TEST(BmpBadInput, NullImageIsRefused) {
    EXPECT_THROW(EncodeBmp(QImage(), 32), std::invalid_argument);
}

}  // namespace
}  // namespace mirelta
