// SPDX-License-Identifier: GPL-3.0-or-later
// Images without the valid signature count as empty memories.
#include <gtest/gtest.h>

#include "data/record_lists.h"
#include "fixtures/image_builder.h"

namespace mirelta {
namespace {

using fixtures::ConstellationFields;
using fixtures::FindFields;
using fixtures::ImageBuilder;
using fixtures::SpectrumFields;

ImageBuilder FullImage(std::uint32_t signature) {
    ImageBuilder builder;
    builder.setSignature(signature)
        .addFind(0, FindFields{.label = "find"})
        .addConstellation(1, ConstellationFields{.label = "constellation"})
        .addSpectrum(2, SpectrumFields{.label = "spectrum"});
    return builder;
}

void ExpectMendedAndEmpty(std::uint32_t signature) {
    SourceImage image = FullImage(signature).image();
    const RecordLists lists = Load(image);
    EXPECT_EQ(lists.findCount, 0);
    EXPECT_EQ(lists.constellationCount, 0);
    EXPECT_EQ(lists.spectrumCount, 0);
    EXPECT_EQ(image.signature(), kValidSignature);
    EXPECT_EQ(image.bytes[0], 0xDD);
    EXPECT_EQ(image.bytes[3], 0xAA);
    for (int n = 0; n < 32; ++n) {
        EXPECT_FALSE(image.findSlotUsed(n));
        EXPECT_FALSE(image.spectrumSlotUsed(n));
    }
    for (int n = 0; n < 16; ++n) {
        EXPECT_FALSE(image.constellationSlotUsed(n));
    }
}

TEST(Signature, ValidSignatureIsStoredLittleEndian) {
    const SourceImage image = FullImage(kValidSignature).image();
    EXPECT_EQ(image.signature(), 0xAABBCCDDu);
    SourceImage copy = image;
    const RecordLists lists = Load(copy);
    EXPECT_EQ(lists.findCount, 1);
    EXPECT_EQ(lists.constellationCount, 1);
    EXPECT_EQ(lists.spectrumCount, 1);
    EXPECT_EQ(copy.bytes, image.bytes);
}

TEST(Signature, WrongSignatureIsMendedAndListsNothing) {
    ExpectMendedAndEmpty(0x12345678);
}

TEST(Signature, ByteSwappedSignatureIsNotValid) {
    ExpectMendedAndEmpty(0xDDCCBBAA);
}

TEST(Signature, ZeroSignatureIsNotValid) {
    ExpectMendedAndEmpty(0);
}

TEST(Signature, MendingTouchesOnlySignatureAndMasks) {
    const SourceImage original = FullImage(0xDDCCBBAA).image();
    SourceImage image = original;
    Load(image);
    for (std::size_t i = 0; i < kSourceImageSize; ++i) {
        const bool signatureOrMask =
            i < 4 || i == 4 || i == 5 || (i >= 33033 && i < 33037) || (i >= 39569 && i < 39573);
        if (!signatureOrMask) {
            ASSERT_EQ(image.bytes[i], original.bytes[i]) << "offset " << i;
        }
    }
}

TEST(Signature, SetSignatureWritesLittleEndianBytes) {
    SourceImage image;
    image.setSignature(0x01020304);
    EXPECT_EQ(image.bytes[0], 0x04);
    EXPECT_EQ(image.bytes[1], 0x03);
    EXPECT_EQ(image.bytes[2], 0x02);
    EXPECT_EQ(image.bytes[3], 0x01);
}

}  // namespace
}  // namespace mirelta
