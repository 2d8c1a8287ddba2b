// SPDX-License-Identifier: GPL-3.0-or-later
// mirelta-cli list: the three lists as text and JSON.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli_run.h"
#include "fixtures/image_builder.h"

namespace mirelta::testing {
namespace {

using fixtures::ConstellationFields;
using fixtures::FindFields;
using fixtures::ImageBuilder;
using fixtures::SpectrumFields;

// "中文" in code page 936.
const std::string kGbkChinese = "\xD6\xD0\xCE\xC4";
const std::string kUtf8Chinese = "\xE4\xB8\xAD\xE6\x96\x87";

std::string WriteImage(const TempDir& dir, const ImageBuilder& builder) {
    const std::string path = (dir / "image.dat").string();
    builder.writeTo(path);
    return path;
}

ImageBuilder ThreeKinds() {
    ImageBuilder builder;
    builder.addFind(3, FindFields{.label = "Astra 11747H"})
        .addFind(17, FindFields{.label = kGbkChinese + " 12543H"})
        .addConstellation(15, ConstellationFields{.label = "QPSK"})
        .addSpectrum(0, SpectrumFields{.label = "Full"})
        .addSpectrum(31, SpectrumFields{.label = "Narrow"});
    return builder;
}

TEST(CliList, JsonListsEveryKindInListOrderWithSlots) {
    TempDir dir;
    const CliResult result = RunCli({"list", WriteImage(dir, ThreeKinds()), "--json"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(
        result.out,
        "{\"find\":[{\"index\":0,\"slot\":3,\"label\":\"Astra 11747H\",\"verdict\":\"NO LOCK\"},"
        "{\"index\":1,\"slot\":17,\"label\":\"" +
            kUtf8Chinese +
            " 12543H\",\"verdict\":\"NO LOCK\"}],"
            "\"constellation\":[{\"index\":0,\"slot\":15,\"label\":\"QPSK\",\"verdict\":"
            "\"not rated\"}],"
            "\"spectrum\":[{\"index\":0,\"slot\":0,\"label\":\"Full\"},"
            "{\"index\":1,\"slot\":31,\"label\":\"Narrow\"}]}\n");
}

TEST(CliList, JsonEscapesLabels) {
    TempDir dir;
    ImageBuilder builder;
    builder.addFind(0, FindFields{.label = "a\"b\\c\td\x01"});
    const CliResult result = RunCli({"list", WriteImage(dir, builder), "--json"});
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_NE(result.out.find(R"("label":"a\"b\\c\td\u0001")"), std::string::npos) << result.out;
    QJsonParseError error;
    const QJsonDocument doc =
        QJsonDocument::fromJson(QByteArray::fromStdString(result.out), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    EXPECT_EQ(doc.object()["find"].toArray()[0].toObject()["label"].toString().toStdString(),
              "a\"b\\c\td\x01");
}

TEST(CliList, EmptyAndInvalidImagesListNothing) {
    TempDir dir;
    ImageBuilder invalid = ThreeKinds();
    invalid.setSignature(0xDDCCBBAA);
    for (const ImageBuilder& builder : {ImageBuilder(), invalid}) {
        const CliResult result = RunCli({"list", WriteImage(dir, builder), "--json"});
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(result.out, "{\"find\":[],\"constellation\":[],\"spectrum\":[]}\n");
    }
}

TEST(CliList, TextTableHasKindIndexSlotVerdictAndLabel) {
    TempDir dir;
    const CliResult result = RunCli({"list", WriteImage(dir, ThreeKinds())});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out,
              "KIND           INDEX  SLOT  VERDICT    LABEL\n"
              "find               0     3  NO LOCK    Astra 11747H\n"
              "find               1    17  NO LOCK    " +
                  kUtf8Chinese +
                  " 12543H\n"
                  "constellation      0    15  not rated  QPSK\n"
                  "spectrum           0     0  -          Full\n"
                  "spectrum           1    31  -          Narrow\n");
}

TEST(CliList, VerdictsFollowTheMarginAndAllowanceOptions) {
    TempDir dir;
    ImageBuilder builder;
    // DVB-S2 QPSK 1/2 needs 1.00 dB, 1.8 dB with the default allowance: a margin of 1.2 dB.
    builder.addFind(0,
                    FindFields{.label = "two", .cn = 300, .system = 3, .modcod = 4, .lockFlag = 1});
    const std::string path = WriteImage(dir, builder);
    const auto verdict = [&](std::vector<std::string> options) {
        options.insert(options.begin(), {"list", path});
        const CliResult result = RunCli(options);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return result.out.substr(result.out.find('\n') + 1);
    };
    EXPECT_NE(verdict({}).find("MARGINAL"), std::string::npos);
    EXPECT_NE(verdict({"--pass-margin", "1.2"}).find("PASS"), std::string::npos);
    EXPECT_NE(verdict({"--fail-margin=1.21", "--pass-margin=2.5"}).find("FAIL"), std::string::npos);
    EXPECT_NE(verdict({"--s2-allowance", "0", "--pass-margin", "2"}).find("PASS"),
              std::string::npos);
    EXPECT_NE(verdict({"--s2-allowance=2.1"}).find("FAIL"), std::string::npos);
    for (const std::vector<std::string>& bad : {std::vector<std::string>{"--pass-margin"},
                                                {"--pass-margin", "x"},
                                                {"--fail-margin", "nan"},
                                                {"--fail-margin", "4"},
                                                {"--s2-allowance", "-0.5"},
                                                {"--s2-allowance", "10.1"},
                                                {"--s2-allowance", "1dB"}}) {
        std::vector<std::string> args{"list", path};
        args.insert(args.end(), bad.begin(), bad.end());
        const CliResult result = RunCli(args);
        EXPECT_EQ(result.exitCode, 2) << bad[0] << ' ' << bad.back();
        EXPECT_EQ(result.out, "");
    }
}

TEST(CliList, UnterminatedLabelsStopAtTheirField) {
    TempDir dir;
    ImageBuilder builder;
    builder.addFind(0, FindFields{.label = std::string(25, 'F'), .satellite = "SPILL"});
    builder.addSpectrum(0, SpectrumFields{.label = std::string(28, 'S'), .leftFrequency = 0x41});
    const CliResult result = RunCli({"list", WriteImage(dir, builder), "--json"});
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_NE(result.out.find("\"label\":\"" + std::string(25, 'F') + "\""), std::string::npos);
    EXPECT_NE(result.out.find("\"label\":\"" + std::string(28, 'S') + "\""), std::string::npos);
    EXPECT_EQ(result.out.find("SPILL"), std::string::npos);
}

// Labels come from the file: the text outputs show their control bytes escaped, so a file can
// neither drive the terminal nor split a row, while JSON and CSV carry the exact text, quoted.
TEST(CliList, ControlBytesInLabelsAreShownEscaped) {
    TempDir dir;
    const std::string hostile = "\x1b]0;X\x07\r\nA,\x7f";
    const std::string shown = "\\x1b]0;X\\x07\\x0d\\x0aA,\\x7f";
    ImageBuilder builder;
    builder.addFind(0, FindFields{.label = hostile, .satellite = "\x1b[2J"});
    const std::string path = WriteImage(dir, builder);
    const CliResult list = RunCli({"list", path});
    const CliResult text = RunCli({"dump", path});
    EXPECT_TRUE(list.out.ends_with("NO LOCK    " + shown + "\n")) << list.out;
    EXPECT_NE(text.out.find(' ' + shown + '\n'), std::string::npos) << text.out;
    EXPECT_NE(text.out.find(" \\x1b[2J\n"), std::string::npos) << text.out;
    for (const std::string& out : {list.out, text.out}) {
        EXPECT_EQ(out.find_first_of("\x1b\x07\r\x7f"), std::string::npos);
    }
    const CliResult csv = RunCli({"dump", path, "--csv", "--kind", "find"});
    EXPECT_NE(csv.out.find("\nfind,0,0,\"" + hostile + "\","), std::string::npos) << csv.out;
    const CliResult json = RunCli({"dump", path, "--json"});
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(json.out));
    EXPECT_EQ(doc.object()["find"].toArray()[0].toObject()["label"].toString().toStdString(),
              hostile);
}

}  // namespace
}  // namespace mirelta::testing
