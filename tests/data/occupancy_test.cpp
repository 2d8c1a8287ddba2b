// SPDX-License-Identifier: GPL-3.0-or-later
// Which slots an image lists, and in which order.
#include <gtest/gtest.h>

#include "data/record_lists.h"
#include "fixtures/image_builder.h"

namespace mirelta {
namespace {

using fixtures::ConstellationFields;
using fixtures::FindFields;
using fixtures::ImageBuilder;
using fixtures::SpectrumFields;

TEST(Occupancy, ValidImageWithNoMaskBitsListsNothing) {
    ImageBuilder builder;
    builder.writeFind(0, FindFields{.label = "ignored"});
    builder.writeSpectrum(0, SpectrumFields{.label = "ignored"});
    builder.writeConstellation(0, ConstellationFields{.label = "ignored"});
    SourceImage image = builder.image();
    const RecordLists lists = Load(image);
    EXPECT_EQ(lists.findCount, 0);
    EXPECT_EQ(lists.constellationCount, 0);
    EXPECT_EQ(lists.spectrumCount, 0);
}

TEST(Occupancy, FindSlotsThreeAndSeventeenBecomeEntriesZeroAndOne) {
    SourceImage image = ImageBuilder()
                            .addFind(3, FindFields{.label = "slot three"})
                            .addFind(17, FindFields{.label = "slot seventeen"})
                            .image();
    const RecordLists lists = Load(image);
    ASSERT_EQ(lists.findCount, 2);
    EXPECT_EQ(lists.find[0].listLabel(), "slot three");
    EXPECT_EQ(lists.find[1].listLabel(), "slot seventeen");
}

TEST(Occupancy, FindMaskBit31SelectsTheLastSlotAtOffset42552) {
    ImageBuilder builder;
    builder.setByte(fixtures::kFindMaskAt + 3, 0x80);
    builder.setByte(42552, 'Z');
    builder.setByte(42553, 0);
    SourceImage image = builder.image();
    EXPECT_TRUE(image.findSlotUsed(31));
    EXPECT_FALSE(image.findSlotUsed(30));
    const RecordLists lists = Load(image);
    ASSERT_EQ(lists.findCount, 1);
    EXPECT_EQ(lists.find[0].listLabel(), "Z");
}

TEST(Occupancy, MasksAreReadLeastSignificantBitFirstPerByte) {
    ImageBuilder builder;
    builder.setByte(fixtures::kSpectrumMaskAt + 1, 0x01);  // slot 8
    builder.setByte(fixtures::kSpectrumMaskAt + 2, 0x80);  // slot 23
    SourceImage image = builder.image();
    for (int n = 0; n < 32; ++n) {
        EXPECT_EQ(image.spectrumSlotUsed(n), n == 8 || n == 23) << "slot " << n;
    }
}

TEST(Occupancy, SlotsAreCopiedInSlotOrderForEveryKind) {
    SourceImage image = ImageBuilder()
                            .addSpectrum(31, SpectrumFields{.label = "s31"})
                            .addSpectrum(0, SpectrumFields{.label = "s0"})
                            .addSpectrum(12, SpectrumFields{.label = "s12"})
                            .addConstellation(15, ConstellationFields{.label = "c15"})
                            .addConstellation(2, ConstellationFields{.label = "c2"})
                            .image();
    const RecordLists lists = Load(image);
    ASSERT_EQ(lists.spectrumCount, 3);
    EXPECT_EQ(lists.spectrum[0].listLabel(), "s0");
    EXPECT_EQ(lists.spectrum[1].listLabel(), "s12");
    EXPECT_EQ(lists.spectrum[2].listLabel(), "s31");
    ASSERT_EQ(lists.constellationCount, 2);
    EXPECT_EQ(lists.constellation[0].listLabel(), "c2");
    EXPECT_EQ(lists.constellation[1].listLabel(), "c15");
}

TEST(Occupancy, ConstellationMaskHasOnlySixteenBits) {
    ImageBuilder builder;
    builder.setByte(6, 0xFF);  // would be bits 16..23 of a wider mask
    builder.setByte(7, 0xFF);
    SourceImage image = builder.image();
    for (int n = 0; n < 16; ++n) {
        EXPECT_FALSE(image.constellationSlotUsed(n));
    }
    EXPECT_FALSE(image.constellationSlotUsed(16));
    EXPECT_EQ(Load(image).constellationCount, 0);
}

TEST(Occupancy, SlotNumbersOutsideAnArrayAreNeverUsed) {
    ImageBuilder builder;
    builder.fill(fixtures::kConstellationMaskAt, 2, 0xFF);
    builder.fill(fixtures::kSpectrumMaskAt, 4, 0xFF);
    builder.fill(fixtures::kFindMaskAt, 4, 0xFF);
    const SourceImage image = builder.image();
    EXPECT_FALSE(image.constellationSlotUsed(-1));
    EXPECT_FALSE(image.spectrumSlotUsed(32));
    EXPECT_FALSE(image.findSlotUsed(32));
    EXPECT_THROW(image.findSlot(32), std::out_of_range);
    EXPECT_THROW(image.constellationSlot(16), std::out_of_range);
    EXPECT_THROW(image.spectrumSlot(-1), std::out_of_range);
}

TEST(Occupancy, AllSlotsUsedFillEveryArray) {
    ImageBuilder builder;
    for (int n = 0; n < 32; ++n) {
        builder.addFind(n, FindFields{.frequency = static_cast<std::uint32_t>(10000 + n)});
        builder.addSpectrum(n, SpectrumFields{.leftFrequency = 2000 + n});
    }
    for (int n = 0; n < 16; ++n) {
        builder.addConstellation(n,
                                 ConstellationFields{.frequency = static_cast<std::uint32_t>(n)});
    }
    SourceImage image = builder.image();
    const RecordLists lists = Load(image);
    ASSERT_EQ(lists.findCount, 32);
    ASSERT_EQ(lists.spectrumCount, 32);
    ASSERT_EQ(lists.constellationCount, 16);
    EXPECT_EQ(lists.find[31].frequency(), 10031u);
    EXPECT_EQ(lists.spectrum[31].leftFrequency(), 2031);
    EXPECT_EQ(lists.constellation[15].frequency(), 15u);
}

}  // namespace
}  // namespace mirelta
