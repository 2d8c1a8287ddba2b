// SPDX-License-Identifier: GPL-3.0-or-later
// Typed field access and writers of the three record kinds.
#include <gtest/gtest.h>

#include "data/record_lists.h"
#include "fixtures/image_builder.h"

namespace mirelta {
namespace {

using fixtures::ConstellationFields;
using fixtures::FindFields;
using fixtures::ImageBuilder;
using fixtures::SpectrumFields;

RecordLists LoadOne(const ImageBuilder& builder) {
    SourceImage image = builder.image();
    return Load(image);
}

TEST(FindFieldsRead, EveryFieldAtItsOffsetLittleEndian) {
    const FindFields fields{.label = "Hotbird 13E",
                            .satellite = "Hotbird 13.0E",
                            .lnbType = 9,
                            .loLow = 0x1A2B,
                            .loHigh = 0x3C4D,
                            .frequency = 0x01020304,
                            .symbolRate = 0x0A0B0C0D,
                            .polarisation = 0x11,
                            .quality = 0x22,
                            .strength = 0x33,
                            .powerLevel = 0x4455,
                            .cn = 0x66778899,
                            .berMantissa = 0xA1B2C3D4,
                            .berExponent = 0x5E,
                            .system = 0x6F,
                            .modcod = 0x70,
                            .codeRate = 0x81,
                            .lockFlag = 0x92};
    const RecordLists lists = LoadOne(ImageBuilder().addFind(6, fields));
    ASSERT_EQ(lists.findCount, 1);
    const FindRecord& r = lists.find[0];
    EXPECT_EQ(r.listLabel(), "Hotbird 13E");
    EXPECT_EQ(r.satelliteName(), "Hotbird 13.0E");
    EXPECT_EQ(r.lnbType(), 9);
    EXPECT_EQ(r.loLow(), 0x1A2B);
    EXPECT_EQ(r.loHigh(), 0x3C4D);
    EXPECT_EQ(r.frequency(), 0x01020304u);
    EXPECT_EQ(r.symbolRate(), 0x0A0B0C0Du);
    EXPECT_EQ(r.polarisation(), 0x11);
    EXPECT_EQ(r.quality(), 0x22);
    EXPECT_EQ(r.strength(), 0x33);
    EXPECT_EQ(r.powerLevel(), 0x4455);
    EXPECT_EQ(r.cn(), 0x66778899u);
    EXPECT_EQ(r.berMantissa(), 0xA1B2C3D4u);
    EXPECT_EQ(r.berExponent(), 0x5E);
    EXPECT_EQ(r.system(), 0x6F);
    EXPECT_EQ(r.modcod(), 0x70);
    EXPECT_EQ(r.codeRate(), 0x81);
    EXPECT_EQ(r.lockFlag(), 0x92);
}

TEST(ConstellationFieldsRead, EveryFieldAtItsOffsetLittleEndian) {
    ConstellationFields fields{.label = "Eutelsat 7E 8PSK",
                               .frequency = 0x01020304,
                               .symbolRate = 0x05060708,
                               .polarisation = 0x19,
                               .system = 0x2A,
                               .modcod = 0x3B,
                               .codeRate = 0x4C,
                               .cn = 0x0D0E0F10,
                               .berMantissa = 0x11121314,
                               .berExponent = 0x5D,
                               .mer = 0x15161718,
                               .quality = 0x6E7F,
                               .strength = 0x8091};
    for (int k = 0; k < 1000; ++k) {
        fields.i[static_cast<std::size_t>(k)] = static_cast<std::int8_t>(k % 256 - 128);
        fields.q[static_cast<std::size_t>(k)] = static_cast<std::int8_t>((k * 7) % 256 - 128);
    }
    const RecordLists lists = LoadOne(ImageBuilder().addConstellation(11, fields));
    ASSERT_EQ(lists.constellationCount, 1);
    const ConstellationRecord& r = lists.constellation[0];
    EXPECT_EQ(r.listLabel(), "Eutelsat 7E 8PSK");
    EXPECT_EQ(r.frequency(), 0x01020304u);
    EXPECT_EQ(r.symbolRate(), 0x05060708u);
    EXPECT_EQ(r.polarisation(), 0x19);
    EXPECT_EQ(r.system(), 0x2A);
    EXPECT_EQ(r.modcod(), 0x3B);
    EXPECT_EQ(r.codeRate(), 0x4C);
    EXPECT_EQ(r.cn(), 0x0D0E0F10u);
    EXPECT_EQ(r.berMantissa(), 0x11121314u);
    EXPECT_EQ(r.berExponent(), 0x5D);
    EXPECT_EQ(r.mer(), 0x15161718u);
    EXPECT_EQ(r.quality(), 0x6E7F);
    EXPECT_EQ(r.strength(), 0x8091);
    for (int k = 0; k < ConstellationRecord::kSamples; ++k) {
        ASSERT_EQ(r.sampleI(k), fields.i[static_cast<std::size_t>(k)]) << "I " << k;
        ASSERT_EQ(r.sampleQ(k), fields.q[static_cast<std::size_t>(k)]) << "Q " << k;
    }
}

TEST(SpectrumFieldsRead, EveryFieldAtItsOffsetLittleEndian) {
    SpectrumFields fields{.label = "Thor 0.8W 400MHz",
                          .leftFrequency = 0x01020304,
                          .cursorFrequency = -123456789,
                          .rightFrequency = 0x05060708,
                          .cursorLevel = -2,
                          .spanCode = 0x2A,
                          .system = 0x3B,
                          .modcod = 0x4C,
                          .codeRate = 0x5D};
    for (int k = 0; k < 150; ++k) {
        fields.levels[static_cast<std::size_t>(k)] = static_cast<std::int8_t>(k - 75);
    }
    const RecordLists lists = LoadOne(ImageBuilder().addSpectrum(19, fields));
    ASSERT_EQ(lists.spectrumCount, 1);
    const SpectrumRecord& r = lists.spectrum[0];
    EXPECT_EQ(r.listLabel(), "Thor 0.8W 400MHz");
    EXPECT_EQ(r.leftFrequency(), 0x01020304);
    EXPECT_EQ(r.cursorFrequency(), -123456789);
    EXPECT_EQ(r.rightFrequency(), 0x05060708);
    EXPECT_EQ(r.cursorLevel(), -2);
    EXPECT_EQ(r.spanCode(), 0x2A);
    EXPECT_EQ(r.system(), 0x3B);
    EXPECT_EQ(r.modcod(), 0x4C);
    EXPECT_EQ(r.codeRate(), 0x5D);
    for (int k = 0; k < SpectrumRecord::kLevels; ++k) {
        ASSERT_EQ(r.level(k), k - 75) << "level " << k;
    }
}

TEST(TextFields, UnterminatedFieldsYieldExactlyTheirOwnBytes) {
    const std::string label25(25, 'L');
    const std::string satellite33(33, 'S');
    const std::string label28(28, 'C');
    ImageBuilder builder;
    builder.addFind(0, FindFields{.label = label25 + "overflow",
                                  .satellite = satellite33 + "overflow",
                                  .lnbType = 'X'});
    builder.addConstellation(0, ConstellationFields{.label = label28, .frequency = 0x41414141});
    builder.addSpectrum(0, SpectrumFields{.label = label28, .leftFrequency = 0x42424242});
    const RecordLists lists = LoadOne(builder);
    EXPECT_EQ(lists.find[0].listLabel(), label25);
    EXPECT_EQ(lists.find[0].satelliteName(), satellite33);
    EXPECT_EQ(lists.constellation[0].listLabel(), label28);
    EXPECT_EQ(lists.spectrum[0].listLabel(), label28);
}

TEST(TextFields, TextEndsAtTheFirstNul) {
    ImageBuilder builder;
    builder.addFind(2, FindFields{.label = "Astra", .satellite = "Astra 19.2E"});
    const std::size_t at = fixtures::kFindSlotsAt + 2 * fixtures::kFindRecordSize;
    builder.setByte(at + 10, 'j');  // bytes after the NUL stay hidden
    const RecordLists lists = LoadOne(builder);
    EXPECT_EQ(lists.find[0].listLabel(), "Astra");
    EXPECT_EQ(lists.find[0].satelliteName(), "Astra 19.2E");
}

TEST(TextFields, EightBitBytesPassUnchanged) {
    const std::string gbk = "\xD6\xD0\xD0\xC7";  // two code page 936 characters
    const RecordLists lists = LoadOne(ImageBuilder().addFind(0, FindFields{.label = gbk}));
    EXPECT_EQ(lists.find[0].listLabel(), gbk);
}

TEST(RecordWriters, CursorFieldsAreWrittenLittleEndianInPlace) {
    SpectrumRecord record;
    record.bytes.fill(0x77);
    record.setCursorFrequency(-2);
    record.setCursorLevel(0x0A0B0C0D);
    EXPECT_EQ(record.cursorFrequency(), -2);
    EXPECT_EQ(record.cursorLevel(), 0x0A0B0C0D);
    EXPECT_EQ(record.bytes[32], 0xFE);
    for (std::size_t i = 33; i < 36; ++i) {
        EXPECT_EQ(record.bytes[i], 0xFF);
    }
    EXPECT_EQ(record.bytes[44], 0x0D);
    EXPECT_EQ(record.bytes[47], 0x0A);
    EXPECT_EQ(record.bytes[31], 0x77);
    EXPECT_EQ(record.bytes[36], 0x77);
    EXPECT_EQ(record.bytes[43], 0x77);
    EXPECT_EQ(record.bytes[48], 0x77);
}

TEST(RecordWriters, SampleWritersChangeOnlyTheirByte) {
    ConstellationRecord record;
    record.setSampleI(0, -5);
    record.setSampleQ(999, 63);
    EXPECT_EQ(record.bytes[57], 0xFB);
    EXPECT_EQ(record.bytes[1057 + 999], 63);
    EXPECT_EQ(record.sampleI(0), -5);
    EXPECT_EQ(record.sampleQ(999), 63);
    int changed = 0;
    for (std::uint8_t b : record.bytes) {
        changed += b != 0;
    }
    EXPECT_EQ(changed, 2);
}

TEST(Samples, SevenBitValuesDecode) {
    EXPECT_EQ(DecodeSample(0), 0);
    EXPECT_EQ(DecodeSample(63), 63);
    EXPECT_EQ(DecodeSample(64), -64);
    EXPECT_EQ(DecodeSample(127), -1);
    EXPECT_EQ(DecodeSample(-1), -1);
    EXPECT_EQ(DecodeSample(-128), -128);
}

}  // namespace
}  // namespace mirelta
