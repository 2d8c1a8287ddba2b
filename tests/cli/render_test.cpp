// SPDX-License-Identifier: GPL-3.0-or-later
// mirelta-cli render and export-all: pictures of the replica.
#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>

#include "cli_run.h"
#include "fixtures/image_builder.h"

namespace mirelta::testing {
namespace {

using fixtures::ConstellationFields;
using fixtures::FindFields;
using fixtures::ImageBuilder;

const QRgb kTitleTeal = qRgb(58, 116, 116);

std::string WriteImage(const TempDir& dir) {
    ImageBuilder builder;
    builder.addFind(0, FindFields{.label = "Astra 19.2E", .strength = 100, .lockFlag = 1})
        .addFind(6, FindFields{.label = "a/b: c*?"})
        .addFind(7, FindFields{.label = "\xD6\xD0\xCE\xC4 ../12543H"})  // GBK for "中文"
        .addConstellation(1, ConstellationFields{.label = "QPSK"});
    const std::string path = (dir / "records.dat").string();
    builder.writeTo(path);
    return path;
}

std::vector<std::string> FilesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(CliRender, BmpSizeFollowsTheDepth) {
    TempDir dir;
    const std::string file = WriteImage(dir);
    const std::pair<const char*, std::uintmax_t> depths[] = {
        {"16", 691254}, {"24", 1036854}, {"32", 1382454}};
    for (const auto& [depth, size] : depths) {
        const auto out = dir / (std::string("find-") + depth + ".bmp");
        const CliResult result =
            RunCli({"render", file, "--screen", "find", "--depth", depth, "-o", out.string()});
        ASSERT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(std::filesystem::file_size(out), size) << depth;
    }
}

std::string Head(const std::string& bytes, std::size_t n) {
    return bytes.substr(0, std::min(n, bytes.size()));
}

std::string ReadAll(const std::filesystem::path& path) {
    const CliResult cat = RunShell("cat " + ShellQuote(path.string()));
    return cat.out;
}

// The format comes from --format, else the extension, else BMP; the bytes tell which it is.
TEST(CliRender, FormatFollowsFormatOptionThenExtension) {
    TempDir dir;
    const std::string file = WriteImage(dir);
    const std::string jpeg = "\xFF\xD8\xFF";
    const std::string png = "\x89PNG";
    const struct {
        std::string out;
        std::vector<std::string> extra;
        std::string magic;
    } cases[] = {
        {"a.jpg", {}, jpeg},
        {"b.JPEG", {}, jpeg},
        {"c.png", {}, png},
        {"d.bmp", {}, "BM"},
        {"no-extension", {}, "BM"},
        {"e.png", {"--format", "jpg"}, jpeg},
        {"f.dat", {"--format=bmp"}, "BM"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"render", file, "--screen",
                                         "find",   "-o", (dir / c.out).string()};
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        const CliResult result = RunCli(args);
        ASSERT_EQ(result.exitCode, 0) << c.out << ": " << result.err;
        EXPECT_EQ(Head(ReadAll(dir / c.out), c.magic.size()), c.magic) << c.out;
    }
    const CliResult toStdout =
        RunCli({"render", file, "--screen", "find", "-o", "-", "--format", "png"});
    ASSERT_EQ(toStdout.exitCode, 0) << toStdout.err;
    EXPECT_EQ(Head(toStdout.out, 4), png);
    EXPECT_EQ(toStdout.err, "");
}

TEST(CliRender, FormatWeCannotWriteIsAUsageErrorListingThoseWeCan) {
    TempDir dir;
    const std::string file = WriteImage(dir);
    const auto out = dir / "x.foo";
    for (const std::vector<std::string>& extra :
         {std::vector<std::string>{}, std::vector<std::string>{"--format", "gif"},
          std::vector<std::string>{"--format", "a.png"}}) {
        std::vector<std::string> args = {"render", file, "--screen", "find", "-o", out.string()};
        args.insert(args.end(), extra.begin(), extra.end());
        const CliResult result = RunCli(args);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_NE(result.err.find("; supported: bmp, "), std::string::npos) << result.err;
        EXPECT_NE(result.err.find(", png"), std::string::npos) << result.err;
        EXPECT_NE(result.err.find(", jpg"), std::string::npos) << result.err;
    }
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST(CliRender, PngAndBmpHoldTheSamePicture) {
    TempDir dir;
    const std::string file = WriteImage(dir);
    const auto png = dir / "find.png";
    const auto bmp = dir / "find.bmp";
    ASSERT_EQ(RunCli({"render", file, "--screen", "find", "-o", png.string()}).exitCode, 0);
    ASSERT_EQ(
        RunCli({"render", file, "--screen", "find", "--depth", "24", "-o", bmp.string()}).exitCode,
        0);
    const QImage fromPng(QString::fromStdString(png.string()));
    const QImage fromBmp(QString::fromStdString(bmp.string()));
    ASSERT_EQ(fromPng.size(), QSize(720, 480));
    EXPECT_EQ(fromPng.convertToFormat(QImage::Format_RGB32),
              fromBmp.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(fromPng.pixel(5, 5), kTitleTeal);
    EXPECT_EQ(fromPng.pixel(540, 365), qRgb(255, 0, 0));  // the tenth strength segment
}

TEST(CliRender, UnwritableOutputFailsWithoutLeavingAFile) {
    TempDir dir;
    const auto out = dir / "no-such-folder" / "find.png";
    const CliResult result =
        RunCli({"render", WriteImage(dir), "--screen", "find", "-o", out.string()});
    EXPECT_EQ(result.exitCode, 5);
    EXPECT_NE(result.err.find(out.string()), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_EQ(RunCli({"render", WriteImage(dir), "--screen", "find"}).exitCode, 2);
    EXPECT_EQ(RunCli({"render", WriteImage(dir), "--screen", "find", "--depth", "8", "-o",
                      (dir / "x.bmp").string()})
                  .exitCode,
              2);
}

TEST(CliExportAll, OnePicturePerListedRecordWithSafeNames) {
    TempDir dir;
    const auto folder = dir / "out" / "nested";
    const CliResult result = RunCli({"export-all", WriteImage(dir), "-d", folder.string()});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    // Letters of any script stay; separators and path characters do not.
    EXPECT_EQ(FilesIn(folder),
              (std::vector<std::string>{"constellation-00-QPSK.png", "find-00-Astra_19.2E.png",
                                        "find-01-a_b_c.png",
                                        "find-02-\xE4\xB8\xAD\xE6\x96\x87_.._12543H.png"}));
    EXPECT_NE(result.out.find("Wrote 4 of 4 pictures"), std::string::npos) << result.out;
    const QImage find(QString::fromStdString((folder / "find-00-Astra_19.2E.png").string()));
    EXPECT_EQ(find.pixel(540, 365), qRgb(255, 0, 0));
}

TEST(CliExportAll, AnyWritableFormat) {
    TempDir dir;
    const auto out = dir / "out";
    const CliResult result =
        RunCli({"export-all", WriteImage(dir), "-d", out.string(), "--format", "jpg"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::vector<std::string> files = FilesIn(out);
    ASSERT_EQ(files.size(), 4u);
    for (const std::string& name : files) {
        EXPECT_TRUE(name.ends_with(".jpg")) << name;
        EXPECT_EQ(Head(ReadAll(out / name), 3), "\xFF\xD8\xFF") << name;
    }
}

TEST(CliExportAll, BmpAtTheGivenDepth) {
    TempDir dir;
    const CliResult result = RunCli({"export-all", WriteImage(dir), "-d", (dir / "bmp").string(),
                                     "--format", "bmp", "--depth", "16", "--language", "fr"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(std::filesystem::file_size(dir / "bmp" / "find-00-Astra_19.2E.bmp"), 691254u);
}

TEST(CliExportAll, AFailedPictureIsReportedAndNothingHalfWrittenStays) {
    TempDir dir;
    const auto folder = dir / "out";
    std::filesystem::create_directories(folder / "find-01-a_b_c.png");  // in the picture's way
    const CliResult result = RunCli({"export-all", WriteImage(dir), "-d", folder.string()});
    EXPECT_EQ(result.exitCode, 5);
    EXPECT_NE(result.err.find("find-01-a_b_c.png"), std::string::npos) << result.err;
    EXPECT_NE(result.out.find("Wrote 3 of 4 pictures"), std::string::npos) << result.out;
    EXPECT_EQ(FilesIn(folder).size(), 4u);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "find-01-a_b_c.png"));
}

TEST(CliExportAll, FolderThatCannotBeMadeIsAnError) {
    TempDir dir;
    const auto blocker = dir / "file";
    ImageBuilder().writeTo(blocker);
    const CliResult result =
        RunCli({"export-all", WriteImage(dir), "-d", (blocker / "sub").string()});
    EXPECT_EQ(result.exitCode, 5);
    EXPECT_NE(result.err.find("cannot create"), std::string::npos);
    EXPECT_EQ(RunCli({"export-all", WriteImage(dir)}).exitCode, 2);
    EXPECT_EQ(RunCli({"export-all", WriteImage(dir), "-d", "x", "--format", "gif"}).exitCode, 2);
}

}  // namespace
}  // namespace mirelta::testing
