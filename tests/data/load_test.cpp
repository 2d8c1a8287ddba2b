// SPDX-License-Identifier: GPL-3.0-or-later
// What a load leaves in the record lists.
#include <gtest/gtest.h>

#include <algorithm>

#include "data/record_lists.h"
#include "fixtures/image_builder.h"

namespace mirelta {
namespace {

using fixtures::ConstellationFields;
using fixtures::FindFields;
using fixtures::ImageBuilder;
using fixtures::SpectrumFields;

template <typename Record>
bool AllZero(const Record& record) {
    return std::all_of(record.bytes.begin(), record.bytes.end(), [](auto b) { return b == 0; });
}

TEST(Load, EntriesPastTheCountAreAllZero) {
    ImageBuilder builder;
    for (int n = 0; n < 32; ++n) {  // junk in slots whose bits stay clear
        builder.writeFind(n, FindFields{.label = "junk", .frequency = 0xFFFFFFFF});
        builder.writeSpectrum(n, SpectrumFields{.label = "junk", .leftFrequency = -1});
    }
    for (int n = 0; n < 16; ++n) {
        builder.writeConstellation(n, ConstellationFields{.label = "junk", .mer = 0xFFFF});
    }
    builder.addFind(5, FindFields{.label = "kept"});
    builder.addConstellation(9, ConstellationFields{.label = "kept"});
    SourceImage image = builder.image();
    const RecordLists lists = Load(image);
    ASSERT_EQ(lists.findCount, 1);
    ASSERT_EQ(lists.constellationCount, 1);
    ASSERT_EQ(lists.spectrumCount, 0);
    for (std::size_t k = 1; k < lists.find.size(); ++k) {
        EXPECT_TRUE(AllZero(lists.find[k])) << "find entry " << k;
    }
    for (std::size_t k = 1; k < lists.constellation.size(); ++k) {
        EXPECT_TRUE(AllZero(lists.constellation[k])) << "constellation entry " << k;
    }
    for (const SpectrumRecord& record : lists.spectrum) {
        EXPECT_TRUE(AllZero(record));
    }
}

TEST(Load, WholeRecordsAreCopied) {
    ImageBuilder builder;
    builder.fill(fixtures::kFindSlotsAt + 7 * fixtures::kFindRecordSize, fixtures::kFindRecordSize,
                 0x5A);
    builder.setByte(fixtures::kFindMaskAt, 0x80);  // slot 7
    SourceImage image = builder.image();
    const RecordLists lists = Load(image);
    ASSERT_EQ(lists.findCount, 1);
    EXPECT_TRUE(std::all_of(lists.find[0].bytes.begin(), lists.find[0].bytes.end(),
                            [](std::uint8_t b) { return b == 0x5A; }));
}

TEST(Load, SelectedIndicesStartAtZero) {
    SourceImage image = ImageBuilder()
                            .addFind(1, FindFields{})
                            .addFind(2, FindFields{})
                            .addSpectrum(4, SpectrumFields{})
                            .image();
    const RecordLists lists = Load(image);
    EXPECT_EQ(lists.selectedFind, 0);
    EXPECT_EQ(lists.selectedConstellation, 0);
    EXPECT_EQ(lists.selectedSpectrum, 0);
}

TEST(Load, SecondLoadReplacesEverything) {
    SourceImage first = ImageBuilder()
                            .addFind(0, FindFields{.label = "first a"})
                            .addFind(1, FindFields{.label = "first b"})
                            .addFind(2, FindFields{.label = "first c"})
                            .addConstellation(0, ConstellationFields{.label = "first"})
                            .addSpectrum(0, SpectrumFields{.label = "first"})
                            .image();
    SourceImage second = ImageBuilder().addFind(20, FindFields{.label = "second"}).image();

    RecordLists lists = Load(first);
    lists.selectedFind = 2;
    lists.spectrum[0].setCursorLevel(77);
    lists = Load(second);

    EXPECT_EQ(lists.findCount, 1);
    EXPECT_EQ(lists.find[0].listLabel(), "second");
    EXPECT_TRUE(AllZero(lists.find[1]));
    EXPECT_TRUE(AllZero(lists.find[2]));
    EXPECT_EQ(lists.constellationCount, 0);
    EXPECT_TRUE(AllZero(lists.constellation[0]));
    EXPECT_EQ(lists.spectrumCount, 0);
    EXPECT_TRUE(AllZero(lists.spectrum[0]));
    EXPECT_EQ(lists.selectedFind, 0);
}

}  // namespace
}  // namespace mirelta
