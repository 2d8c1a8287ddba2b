// The committed demo file: what make_demo writes, and that it shows every kind of snapshot.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

#include "cli_run.h"
#include "data/record_lists.h"
#include "data/source_file.h"

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

class DemoContent : public ::testing::Test {
  protected:
    void SetUp() override {
        ReadResult read = ReadSourceFile(DEMO_FILE);
        ASSERT_EQ(read.error.kind, ErrorKind::None);
        image_ = std::move(read.image);
        ASSERT_EQ(image_->signature(), kValidSignature);
        lists_ = Load(*image_);
    }
    std::unique_ptr<SourceImage> image_;
    RecordLists lists_;
};

TEST_F(DemoContent, EveryKindPresentWithFreeSlotsBetween) {
    EXPECT_GE(lists_.findCount, 6);
    EXPECT_GE(lists_.constellationCount, 2);
    EXPECT_GE(lists_.spectrumCount, 3);
    EXPECT_FALSE(image_->findSlotUsed(3));
    EXPECT_TRUE(image_->findSlotUsed(5));
    EXPECT_TRUE(image_->findSlotUsed(31));
    for (int k = 0; k < lists_.findCount; ++k) {
        EXPECT_FALSE(lists_.find[static_cast<std::size_t>(k)].listLabel().empty());
    }
}

TEST_F(DemoContent, FindsCoverLnbTypesAndLockStates) {
    std::set<int> lnbTypes;
    bool locked = false;
    bool unlocked = false;
    for (int k = 0; k < lists_.findCount; ++k) {
        const FindRecord& record = lists_.find[static_cast<std::size_t>(k)];
        lnbTypes.insert(record.lnbType());
        (record.lockFlag() != 0 ? locked : unlocked) = true;
        if (record.lnbType() == 9) {
            EXPECT_NE(record.loLow(), 0);
        }
    }
    EXPECT_TRUE(lnbTypes.count(0) && lnbTypes.count(1) && lnbTypes.count(9));
    EXPECT_TRUE(locked);
    EXPECT_TRUE(unlocked);
}

TEST_F(DemoContent, ConstellationsIncludeDvbSQpskAndDvbS28psk) {
    bool qpsk = false;
    bool eightPsk = false;
    for (int k = 0; k < lists_.constellationCount; ++k) {
        const ConstellationRecord& record = lists_.constellation[static_cast<std::size_t>(k)];
        qpsk = qpsk || record.system() == 1;
        eightPsk = eightPsk || (record.system() == 3 && record.modcod() >= 12);
        std::set<int> distinct;
        for (int s = 0; s < ConstellationRecord::kSamples; ++s) {
            distinct.insert(DecodeSample(record.sampleI(s)));
        }
        EXPECT_GT(distinct.size(), 8u) << "samples carry noise";
    }
    EXPECT_TRUE(qpsk);
    EXPECT_TRUE(eightPsk);
}

TEST_F(DemoContent, SpectraCoverEverySpanWithLeftEdgeAboveRight) {
    std::set<int> spans;
    for (int k = 0; k < lists_.spectrumCount; ++k) {
        const SpectrumRecord& record = lists_.spectrum[static_cast<std::size_t>(k)];
        spans.insert(record.spanCode());
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
    EXPECT_EQ(spans, (std::set<int>{0, 1, 2}));
}

}  // namespace
}  // namespace mirelta::testing
