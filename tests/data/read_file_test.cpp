// SPDX-License-Identifier: GPL-3.0-or-later
// Reading source files from disk.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "data/record_lists.h"
#include "data/source_file.h"
#include "fixtures/image_builder.h"

namespace mirelta {
namespace {

using fixtures::FindFields;
using fixtures::ImageBuilder;
using fixtures::SpectrumFields;

class ReadFile : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ =
            std::filesystem::temp_directory_path() /
            ("mirelta_read_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::filesystem::path dir_;
};

ImageBuilder SampleImage() {
    ImageBuilder builder;
    builder.addFind(4, FindFields{.label = "Astra 11747H", .frequency = 11747})
        .addSpectrum(30, SpectrumFields{.label = "Full band", .leftFrequency = 2150});
    return builder;
}

TEST_F(ReadFile, ExactSizeFileReadsByteForByte) {
    const ImageBuilder builder = SampleImage();
    builder.writeTo(dir_ / "exact.dat");
    const ReadResult result = ReadSourceFile(dir_ / "exact.dat");
    ASSERT_EQ(result.error.kind, ErrorKind::None);
    ASSERT_TRUE(result.image);
    EXPECT_TRUE(std::equal(builder.bytes().begin(), builder.bytes().end(),
                           result.image->bytes.begin(), result.image->bytes.end()));
}

TEST_F(ReadFile, LongerFileLoadsTheSameAsExactSize) {
    const ImageBuilder builder = SampleImage();
    builder.writeTo(dir_ / "exact.dat");
    builder.writeTo(dir_ / "long.dat", 50000);
    ReadResult exact = ReadSourceFile(dir_ / "exact.dat");
    ReadResult longer = ReadSourceFile(dir_ / "long.dat");
    ASSERT_EQ(exact.error.kind, ErrorKind::None);
    ASSERT_EQ(longer.error.kind, ErrorKind::None);
    EXPECT_EQ(exact.image->bytes, longer.image->bytes);
    const RecordLists a = Load(*exact.image);
    const RecordLists b = Load(*longer.image);
    ASSERT_EQ(a.findCount, 1);
    ASSERT_EQ(b.findCount, 1);
    EXPECT_EQ(a.find[0].bytes, b.find[0].bytes);
    ASSERT_EQ(b.spectrumCount, 1);
    EXPECT_EQ(a.spectrum[0].bytes, b.spectrum[0].bytes);
}

TEST_F(ReadFile, MultiGigabyteFileReadsOnlyTheImage) {
    const ImageBuilder builder = SampleImage();
    const std::filesystem::path path = dir_ / "huge.dat";
    builder.writeTo(path);
    std::filesystem::resize_file(path, std::uintmax_t{5} << 30);  // sparse on the usual disks
    const ReadResult result = ReadSourceFile(path);
    ASSERT_EQ(result.error.kind, ErrorKind::None);
    EXPECT_TRUE(std::equal(builder.bytes().begin(), builder.bytes().end(),
                           result.image->bytes.begin(), result.image->bytes.end()));
}

TEST_F(ReadFile, FileOneByteShortIsRefused) {
    SampleImage().writeTo(dir_ / "short.dat", 42651);
    const ReadResult result = ReadSourceFile(dir_ / "short.dat");
    EXPECT_EQ(result.error.kind, ErrorKind::ShortRead);
    EXPECT_FALSE(result.image);
}

TEST_F(ReadFile, EmptyFileIsRefused) {
    SampleImage().writeTo(dir_ / "empty.dat", 0);
    EXPECT_EQ(ReadSourceFile(dir_ / "empty.dat").error.kind, ErrorKind::ShortRead);
}

TEST_F(ReadFile, MissingFileCannotBeOpened) {
    const ReadResult result = ReadSourceFile(dir_ / "missing.dat");
    EXPECT_EQ(result.error.kind, ErrorKind::CannotOpen);
    EXPECT_FALSE(result.image);
}

TEST_F(ReadFile, DirectoryCannotBeOpened) {
    EXPECT_EQ(ReadSourceFile(dir_).error.kind, ErrorKind::CannotOpen);
}

// A FIFO's writer may open it after we do: the read waits for one until the deadline, and ends
// at once when a writer leaves before the image is whole.
TEST_F(ReadFile, FifoWaitsForALateWriter) {
    const std::size_t whole = SampleImage().bytes().size();
    const struct {
        const char* name;
        std::chrono::milliseconds writerAfter;  // negative: no writer comes
        std::size_t written;
        ErrorKind kind;
        std::string detail;
    } cases[] = {
        {"whole", std::chrono::milliseconds(300), whole, ErrorKind::None, ""},
        {"part", std::chrono::milliseconds(300), 100, ErrorKind::ShortRead,
         "100 bytes; a meter file has 42652"},
        {"none", std::chrono::milliseconds(-1), 0, ErrorKind::ShortRead,
         "nothing more arrived within 1 s; 0 bytes; a meter file has 42652"},
    };
    constexpr std::chrono::seconds kDeadline{1};
    for (const auto& c : cases) {
        const auto pipe = dir_ / (std::string(c.name) + ".dat");
        ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
        std::thread writer([&] {
            if (c.writerAfter.count() < 0) {
                return;
            }
            std::this_thread::sleep_for(c.writerAfter);
            // Without blocking: a reader that is already gone must not hang the test.
            const int fd = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                EXPECT_EQ(::write(fd, SampleImage().bytes().data(), c.written),
                          static_cast<ssize_t>(c.written));
                ::close(fd);
            }
        });
        const auto start = std::chrono::steady_clock::now();
        const ReadResult result = ReadSourceFile(pipe, kDeadline);
        const auto took = std::chrono::steady_clock::now() - start;
        writer.join();
        EXPECT_EQ(result.error.kind, c.kind) << c.name;
        EXPECT_EQ(result.error.detail, c.detail) << c.name;
        if (c.writerAfter.count() < 0) {
            EXPECT_GE(took, kDeadline) << c.name;
        } else {
            EXPECT_LT(took, kDeadline) << c.name;
        }
    }
}

TEST_F(ReadFile, FailuresCarryTheirReason) {
    SampleImage().writeTo(dir_ / "tiny.dat", 100);
    SampleImage().writeTo(dir_ / "one.dat", 1);
    const struct {
        std::filesystem::path path;
        ErrorKind kind;
        std::string detail;
    } cases[] = {
        {dir_ / "missing.dat", ErrorKind::CannotOpen, "No such file or directory"},
        {dir_, ErrorKind::CannotOpen, "Is a directory"},
        {dir_ / "tiny.dat", ErrorKind::ShortRead, "100 bytes; a meter file has 42652"},
        {dir_ / "one.dat", ErrorKind::ShortRead, "1 byte; a meter file has 42652"},
    };
    for (const auto& c : cases) {
        const ReadResult result = ReadSourceFile(c.path);
        EXPECT_EQ(result.error.kind, c.kind) << c.path;
        EXPECT_EQ(result.error.detail, c.detail) << c.path;
    }
}

// A pipe whose writer stays open but silent, reached directly or through a link: the read
// gives up at the deadline instead of hanging.
TEST_F(ReadFile, SilentWriterEndsAtTheDeadline) {
    const auto pipe = dir_ / "silent.dat";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::filesystem::create_symlink(pipe, dir_ / "link.dat");
    const int writer = ::open(pipe.c_str(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(writer, 0);
    ASSERT_EQ(::write(writer, "abc", 3), 3);
    for (const auto& path : {pipe, dir_ / "link.dat"}) {
        const auto start = std::chrono::steady_clock::now();
        const ReadResult result = ReadSourceFile(path, std::chrono::milliseconds(300));
        const auto took = std::chrono::steady_clock::now() - start;
        EXPECT_EQ(result.error.kind, ErrorKind::ShortRead) << path;
        EXPECT_GE(took, std::chrono::milliseconds(300));
        EXPECT_LT(took, std::chrono::seconds(3));
        EXPECT_FALSE(result.image);
    }
    ::close(writer);
    EXPECT_FALSE(IsRegularSource(pipe));
    EXPECT_FALSE(IsRegularSource(dir_ / "link.dat"));
}

TEST_F(ReadFile, PipeDeliversTheImageInPieces) {
    const auto pipe = dir_ / "pieces.dat";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const int writer = ::open(pipe.c_str(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(writer, 0);
    const ImageBuilder builder = SampleImage();
    std::thread feeder([&] {
        const auto& bytes = builder.bytes();
        for (std::size_t at = 0; at < bytes.size();) {
            const ssize_t n =
                ::write(writer, bytes.data() + at, std::min<std::size_t>(4096, bytes.size() - at));
            if (n > 0) {
                at += static_cast<std::size_t>(n);
            } else {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        }
    });
    const ReadResult result = ReadSourceFile(pipe, std::chrono::seconds(10));
    feeder.join();
    // Closed only now: a pipe that loses its last writer before the reader opens it drops its data.
    ::close(writer);
    ASSERT_EQ(result.error.kind, ErrorKind::None) << result.error.detail;
    EXPECT_TRUE(std::equal(builder.bytes().begin(), builder.bytes().end(),
                           result.image->bytes.begin(), result.image->bytes.end()));
}

TEST_F(ReadFile, RefusedFileLeavesEarlierLoadUntouched) {
    SampleImage().writeTo(dir_ / "good.dat");
    SampleImage().writeTo(dir_ / "short.dat", 42651);

    ReadResult good = ReadSourceFile(dir_ / "good.dat");
    ASSERT_EQ(good.error.kind, ErrorKind::None);
    std::unique_ptr<SourceImage> held = std::move(good.image);
    const SourceImage before = *held;
    const RecordLists lists = Load(*held);

    ReadResult bad = ReadSourceFile(dir_ / "short.dat");
    ASSERT_EQ(bad.error.kind, ErrorKind::ShortRead);
    EXPECT_FALSE(bad.image);  // the failed read went into its own buffer, now gone
    EXPECT_EQ(held->bytes, before.bytes);
    EXPECT_EQ(lists.findCount, 1);
    EXPECT_EQ(lists.find[0].listLabel(), "Astra 11747H");
}

}  // namespace
}  // namespace mirelta
