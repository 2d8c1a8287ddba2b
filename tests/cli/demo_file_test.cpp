// SPDX-License-Identifier: GPL-3.0-or-later
// The committed demo file: what make_demo writes, and that it shows every kind of snapshot.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "cli_run.h"
#include "data/constellation_record.h"
#include "data/find_record.h"
#include "data/spectrum_record.h"
#include "fixtures/image_builder.h"

namespace mirelta::testing {
namespace {

std::vector<char> Bytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(DemoFile, GeneratorReproducesTheCommittedFile) {
    TempDir dir;
    const std::filesystem::path out = dir / "demo.dat";
    const CliResult result = RunProgram(MAKE_DEMO_PATH, {out.string()});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::vector<char> generated = Bytes(out);
    EXPECT_EQ(generated.size(), 42652u);
    EXPECT_TRUE(generated == Bytes(DEMO_FILE)) << "run make_demo examples/demo.dat";
}

TEST(DemoFile, GeneratorWithoutOutputIsAUsageError) {
    const CliResult result = RunProgram(MAKE_DEMO_PATH, {});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find("usage"), std::string::npos);
}

// The committed file read as bytes at the format's offsets, not through the reader and loader
// whose tests use it.
class DemoContent : public ::testing::Test {
  protected:
    void SetUp() override {
        bytes_ = Bytes(DEMO_FILE);
        ASSERT_EQ(bytes_.size(), fixtures::kImageSize);
        const std::vector<std::uint8_t> valid = fixtures::ImageBuilder().bytes();
        ASSERT_TRUE(
            std::equal(valid.begin(), valid.begin() + 4, bytes_.begin(),
                       [](std::uint8_t a, char b) { return a == static_cast<std::uint8_t>(b); }))
            << "signature";
        find_ = records<FindRecord>(fixtures::kFindMaskAt, fixtures::kFindSlotsAt, 32);
        constellation_ = records<ConstellationRecord>(fixtures::kConstellationMaskAt,
                                                      fixtures::kConstellationSlotsAt, 16);
        spectrum_ =
            records<SpectrumRecord>(fixtures::kSpectrumMaskAt, fixtures::kSpectrumSlotsAt, 32);
    }

    // The used slots' records in slot order; `slots_` keeps their slot numbers by kind.
    template <typename Record>
    std::vector<Record> records(std::size_t maskAt, std::size_t slotsAt, int slots) {
        std::vector<Record> found;
        std::vector<int>& used = slots_[maskAt];
        for (int slot = 0; slot < slots; ++slot) {
            const auto mask =
                static_cast<std::uint8_t>(bytes_[maskAt + static_cast<std::size_t>(slot / 8)]);
            if ((mask >> (slot % 8) & 1) == 0) {
                continue;
            }
            Record record;
            const auto at =
                bytes_.begin() + static_cast<std::ptrdiff_t>(
                                     slotsAt + Record::kSize * static_cast<std::size_t>(slot));
            std::transform(at, at + static_cast<std::ptrdiff_t>(Record::kSize),
                           record.bytes.begin(),
                           [](char c) { return static_cast<std::uint8_t>(c); });
            found.push_back(record);
            used.push_back(slot);
        }
        return found;
    }

    std::vector<char> bytes_;
    std::map<std::size_t, std::vector<int>> slots_;
    std::vector<FindRecord> find_;
    std::vector<ConstellationRecord> constellation_;
    std::vector<SpectrumRecord> spectrum_;
};

TEST_F(DemoContent, EveryKindPresentWithFreeSlotsBetween) {
    EXPECT_EQ(slots_[fixtures::kFindMaskAt], (std::vector<int>{0, 1, 2, 5, 9, 14, 22, 31}));
    EXPECT_EQ(slots_[fixtures::kConstellationMaskAt], (std::vector<int>{0, 3, 7}));
    EXPECT_EQ(slots_[fixtures::kSpectrumMaskAt], (std::vector<int>{0, 4, 5, 11, 27}));
    std::vector<std::string> labels;
    for (const FindRecord& record : find_) {
        labels.push_back(record.listLabel());
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"Astra 11747H", "Hotbird 12111V", "Eutelsat 10721H",
                                                "Thor 11216V", "Astra2 11954H", "Eutelsat 11590V",
                                                "\xD1\xC7\xCC\xAB"
                                                "7\xBA\xC5 12543H",
                                                "Intelsat 3845H C-band"}));
}

TEST_F(DemoContent, FindsCoverLnbTypesAndLockStates) {
    std::vector<int> lnbTypes;
    bool locked = false;
    bool unlocked = false;
    for (const FindRecord& record : find_) {
        lnbTypes.push_back(record.lnbType());
        (record.lockFlag() != 0 ? locked : unlocked) = true;
        if (record.lnbType() == 9) {
            EXPECT_NE(record.loLow(), 0);
        }
    }
    EXPECT_EQ(lnbTypes, (std::vector<int>{0, 1, 9, 0, 5, 4, 0, 2}));
    EXPECT_TRUE(locked);
    EXPECT_TRUE(unlocked);
}

TEST_F(DemoContent, ConstellationsIncludeDvbSQpskAndDvbS28psk) {
    bool qpsk = false;
    bool eightPsk = false;
    for (const ConstellationRecord& record : constellation_) {
        qpsk = qpsk || record.system() == 1;
        eightPsk = eightPsk || (record.system() == 3 && record.modcod() >= 12);
        std::set<int> distinct;
        for (int s = 0; s < ConstellationRecord::kSamples; ++s) {
            distinct.insert(DecodeSample(record.sampleI(s)));
        }
        EXPECT_GT(distinct.size(), 8u) << "samples carry noise";
    }
    EXPECT_EQ(constellation_.size(), 3u);
    EXPECT_TRUE(qpsk);
    EXPECT_TRUE(eightPsk);
}

TEST_F(DemoContent, SpectraCoverEverySpanWithLeftEdgeAboveRight) {
    std::vector<int> spans;
    for (const SpectrumRecord& record : spectrum_) {
        spans.push_back(record.spanCode());
        EXPECT_GT(record.leftFrequency(), record.rightFrequency());
        int lowest = 127;
        int highest = -128;
        for (int i = 0; i < SpectrumRecord::kLevels; ++i) {
            lowest = std::min(lowest, int{record.level(i)});
            highest = std::max(highest, int{record.level(i)});
        }
        EXPECT_GE(lowest, 35);
        EXPECT_LE(highest, 80);
        EXPECT_GT(highest - lowest, 8) << "a transponder hump above the floor";
    }
    EXPECT_EQ(spans, (std::vector<int>{0, 1, 2, 0, 1}));
}

}  // namespace
}  // namespace mirelta::testing
