// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing the format by the file name's extension, and saving through the safe write.
#include "export/image_file.h"

#include <gtest/gtest.h>

#include <QImageReader>
#include <sstream>

#include "export/diagnostic_lines.h"
#include "export/screen_capture.h"
#include "platform/scripted_prompts.h"
#include "test_support.h"

namespace mirelta {
namespace {

namespace fs = std::filesystem;

const std::vector<std::uint8_t> kPngSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
const std::vector<std::uint8_t> kOldBytes{'o', 'l', 'd', ' ', 'f', 'i', 'l', 'e'};

bool StartsWith(const std::vector<std::uint8_t>& bytes, const std::vector<std::uint8_t>& head) {
    return bytes.size() >= head.size() && std::equal(head.begin(), head.end(), bytes.begin());
}

void ExpectExactPixels(const QImage& original, const fs::path& file, const char* format) {
    QImageReader reader(QString::fromStdString(file.string()), format);
    const QImage decoded = reader.read();
    ASSERT_FALSE(decoded.isNull()) << reader.errorString().toStdString();
    ASSERT_EQ(decoded.size(), original.size());
    for (int y = 0; y < original.height(); ++y) {
        for (int x = 0; x < original.width(); ++x) {
            ASSERT_EQ(decoded.pixel(x, y) & 0xFFFFFF, original.pixel(x, y) & 0xFFFFFF)
                << x << "," << y;
        }
    }
}

TEST(ImageFileFormat, PngNameWritesAPngWithTheSamePixels) {
    test::ScratchFolder folder;
    const QImage image = test::MakePatternImage(720, 480);
    const fs::path file = folder.path() / "find-00-astra.png";
    const SaveResult result = SaveImageFile(image, file, 16);
    ASSERT_TRUE(result.ok()) << result.reason();
    EXPECT_TRUE(StartsWith(test::ReadBytes(file), kPngSignature));
    ExpectExactPixels(image, file, "png");
}

// The extension alone decides the format, in any case; a name without a savable one writes
// nothing and keeps whatever file was there.
TEST(ImageFileFormat, ExtensionChoosesTheEncoderAndUnknownOnesWriteNothing) {
    test::ScratchFolder folder;
    const QImage image = test::MakeTitledImage(20, 60);
    const struct {
        const char* name;
        std::vector<std::uint8_t> head;  // empty: refused
    } cases[] = {{"zop.bmp", {'B', 'M'}},
                 {"zop.BMP", {'B', 'M'}},
                 {"ZOP.PnG", kPngSignature},
                 {"zop.jpg", {0xFF, 0xD8}},
                 {"zop.JPEG", {0xFF, 0xD8}},
                 {"zop.xyz", {}},
                 {"zop", {}},
                 {"zop.png.bak", {}},
                 {"zop.", {}}};
    for (const auto& c : cases) {
        const fs::path file = folder.path() / c.name;
        test::WriteBytes(file, kOldBytes);
        const SaveResult result = SaveImageFile(image, file, 24);
        if (c.head.empty()) {
            EXPECT_EQ(result.error, SaveError::UnknownFormat) << c.name;
            EXPECT_NE(result.reason().find("use one of bmp"), std::string::npos) << result.reason();
            EXPECT_EQ(test::ReadBytes(file), kOldBytes) << c.name;
        } else {
            ASSERT_TRUE(result.ok()) << c.name << ": " << result.reason();
            EXPECT_TRUE(StartsWith(test::ReadBytes(file), c.head)) << c.name;
        }
    }
    EXPECT_EQ(test::FolderEntries(folder.path()).size(), std::size(cases)) << "no leftovers";
}

TEST(ImageFileFormat, BmpIsWrittenAtTheGivenDepth) {
    test::ScratchFolder folder;
    const QImage image = test::MakeTitledImage(720, 480);
    const struct {
        int depth;
        std::size_t size;
    } cases[] = {{16, 691254}, {24, 1036854}, {32, 1382454}};
    for (const auto& c : cases) {
        const fs::path file = folder.path() / ("zop" + std::to_string(c.depth) + ".bmp");
        const SaveResult result = SaveImageFile(image, file, c.depth);
        ASSERT_TRUE(result.ok()) << c.depth << ": " << result.reason();
        const auto bytes = test::ReadBytes(file);
        EXPECT_EQ(bytes.size(), c.size) << c.depth;
        EXPECT_EQ(test::Le16(bytes, 28), c.depth);
    }
    ExpectExactPixels(image, folder.path() / "zop32.bmp", "bmp");
}

TEST(ImageFileFormat, SavingAgainReplacesTheFile) {
    test::ScratchFolder folder;
    const fs::path file = folder.path() / "zop.bmp";
    test::WriteBytes(file, kOldBytes);
    const QImage image = test::MakePatternImage(31, 17);
    ASSERT_TRUE(SaveImageFile(image, file, 24).ok());
    ExpectExactPixels(image, file, "bmp");
    EXPECT_EQ(test::FolderEntries(folder.path()), std::vector<std::string>{"zop.bmp"});
}

TEST(ImageFileFailure, UnsupportedDepthKeepsTheOldFile) {
    test::ScratchFolder folder;
    const fs::path file = folder.path() / "zop.bmp";
    test::WriteBytes(file, kOldBytes);
    const SaveResult result = SaveImageFile(test::MakeTitledImage(8, 8), file, 8);
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.reason().find("16, 24 or 32"), std::string::npos) << result.reason();
    EXPECT_EQ(test::ReadBytes(file), kOldBytes);
}

TEST(ImageFileFailure, NullImageKeepsTheOldFile) {
    test::ScratchFolder folder;
    for (const char* name : {"zop.bmp", "zop.png"}) {
        const fs::path file = folder.path() / name;
        test::WriteBytes(file, kOldBytes);
        const SaveResult result = SaveImageFile(QImage(), file, 32);
        EXPECT_FALSE(result.ok()) << name;
        EXPECT_FALSE(result.reason().empty()) << name;
        EXPECT_EQ(test::ReadBytes(file), kOldBytes) << name;
    }
}

TEST(ImageFileFailure, UnknownFormatInTheWindowsSaveIsShownAfterTheDiagnostics) {
    test::ScratchFolder folder;
    const std::string file = (folder.path() / "zop.xyz").string();
    ScriptedPrompts prompts;
    std::ostringstream diagnostics;
    EXPECT_FALSE(WriteScreenCapture(test::MakeTitledImage(720, 480), Rect{0, 0, 720, 480}, file, 32,
                                    prompts, diagnostics));
    EXPECT_EQ(diagnostics.str(), DiagnosticLines(32, 720, 480));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0], "Cannot save the picture to\n" + file);
    EXPECT_TRUE(prompts.details[0].starts_with("unknown picture format \".xyz\": use one of bmp, "))
        << prompts.details[0];
    EXPECT_TRUE(test::FolderEntries(folder.path()).empty());
}

TEST(ImageFileFailure, PngIntoAMissingFolderIsReported) {
    test::ScratchFolder folder;
    const SaveResult result =
        SaveImageFile(test::MakeTitledImage(8, 8), folder.path() / "absent" / "zop.png", 32);
    EXPECT_FALSE(result.ok());
    EXPECT_FALSE(result.reason().empty());
    EXPECT_TRUE(test::FolderEntries(folder.path()).empty());
}

}  // namespace
}  // namespace mirelta
