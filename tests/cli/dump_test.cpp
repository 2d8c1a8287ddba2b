// SPDX-License-Identifier: GPL-3.0-or-later
// mirelta-cli dump: every field with its formatted text, as JSON, CSV and text.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <sstream>

#include "cli_run.h"
#include "fixtures/image_builder.h"

namespace mirelta::testing {
namespace {

using fixtures::ConstellationFields;
using fixtures::FindFields;
using fixtures::ImageBuilder;
using fixtures::SpectrumFields;

ImageBuilder Sample() {
    ImageBuilder builder;
    builder.addFind(4, FindFields{.label = "Hotbird, 12111V",
                                  .satellite = "Hotbird 13E",
                                  .lnbType = 9,
                                  .loLow = 9700,
                                  .loHigh = 10650,
                                  .frequency = 12111,
                                  .symbolRate = 27500,
                                  .polarisation = 1,
                                  .quality = 85,
                                  .strength = 78,
                                  .powerLevel = 654,
                                  .cn = 999,
                                  .berMantissa = 123,
                                  .berExponent = 5,
                                  .system = 3,
                                  .modcod = 12,
                                  .lockFlag = 1});
    builder.addFind(6, FindFields{.label = "unlocked",
                                  .lnbType = 12,
                                  .cn = 1234,
                                  .berMantissa = 5,
                                  .berExponent = 9,
                                  .system = 3,
                                  .modcod = 4});
    ConstellationFields constellation{.label = "8PSK",
                                      .frequency = 11747,
                                      .symbolRate = 27500,
                                      .system = 3,
                                      .modcod = 11,
                                      .cn = 1234,
                                      .berMantissa = 5,
                                      .berExponent = 9,
                                      .mer = 1180,
                                      .quality = 60,
                                      .strength = 70};
    constellation.i[0] = 70;  // stands for -58
    constellation.q[0] = -3;  // negative bytes stay as they are
    constellation.i[999] = 63;
    constellation.q[999] = 64;  // stands for -64
    builder.addConstellation(2, constellation);
    SpectrumFields spectrum{.label = "Full",
                            .leftFrequency = 2150,
                            .cursorFrequency = 1500,
                            .rightFrequency = 950,
                            .cursorLevel = 61,
                            .spanCode = 0};
    spectrum.levels[0] = 45;
    spectrum.levels[149] = -7;
    builder.addSpectrum(9, spectrum);
    return builder;
}

QJsonObject DumpJson(const TempDir& dir) {
    const std::string path = (dir / "sample.dat").string();
    Sample().writeTo(path);
    const CliResult result = RunCli({"dump", path, "--json"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    QJsonParseError error;
    const QJsonDocument doc =
        QJsonDocument::fromJson(QByteArray::fromStdString(result.out), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return doc.object();
}

std::string Text(const QJsonObject& object, const char* key) {
    return object[key].toString().toStdString();
}

TEST(CliDumpJson, FindFieldsWithFormattedTexts) {
    TempDir dir;
    const QJsonArray find = DumpJson(dir)["find"].toArray();
    ASSERT_EQ(find.size(), 2);
    const QJsonObject locked = find[0].toObject();
    EXPECT_EQ(locked["index"].toInt(), 0);
    EXPECT_EQ(locked["slot"].toInt(), 4);
    EXPECT_EQ(Text(locked, "label"), "Hotbird, 12111V");
    EXPECT_EQ(Text(locked, "satelliteName"), "Hotbird 13E");
    EXPECT_EQ(Text(locked, "lnbName"), "Customised");
    EXPECT_EQ(locked["loLow"].toInt(), 9700);
    EXPECT_EQ(locked["loHigh"].toInt(), 10650);
    EXPECT_EQ(locked["frequency"].toInt(), 12111);
    EXPECT_EQ(Text(locked, "polarisationText"), "Ver");
    EXPECT_EQ(Text(locked, "qualityText"), "85 %");
    EXPECT_EQ(Text(locked, "strengthText"), "78 %");
    EXPECT_EQ(locked["powerLevel"].toInt(), 654);
    EXPECT_EQ(locked["cn"].toInt(), 999);
    EXPECT_EQ(Text(locked, "cnText"), "9.9 dB");
    EXPECT_EQ(Text(locked, "berText"), "1.23 E-5");
    EXPECT_EQ(Text(locked, "fecText"), "3/5");

    const QJsonObject unlocked = find[1].toObject();
    EXPECT_EQ(unlocked["slot"].toInt(), 6);
    EXPECT_EQ(Text(unlocked, "lnbName"), "Unknown (12)");
    EXPECT_EQ(unlocked["loLow"].toInt(), 0);
    // The texts are the Find screen's: an unlocked record shows "None"; the raw values stay.
    EXPECT_EQ(Text(unlocked, "fecText"), "None");
    EXPECT_EQ(Text(unlocked, "cnText"), "None");
    EXPECT_EQ(Text(unlocked, "berText"), "None");
    EXPECT_EQ(unlocked["cn"].toInt(), 1234);
    EXPECT_EQ(unlocked["berMantissa"].toInt(), 5);
    EXPECT_EQ(unlocked["berExponent"].toInt(), 9);
    EXPECT_EQ(unlocked["modcod"].toInt(), 4);
}

TEST(CliDumpJson, ConstellationFieldsAndSamples) {
    TempDir dir;
    const QJsonArray constellation = DumpJson(dir)["constellation"].toArray();
    ASSERT_EQ(constellation.size(), 1);
    const QJsonObject record = constellation[0].toObject();
    EXPECT_EQ(record["slot"].toInt(), 2);
    EXPECT_EQ(Text(record, "modulationText"), "DVB-S2/QPSK");
    EXPECT_EQ(Text(record, "fecText"), "9/10");
    EXPECT_EQ(Text(record, "cnText"), "12.3 dB");
    EXPECT_EQ(Text(record, "berText"), "9.99 E-8");
    EXPECT_EQ(record["mer"].toInt(), 1180);
    EXPECT_EQ(Text(record, "qualityText"), "60 %");
    const QJsonArray samples = record["samples"].toArray();
    ASSERT_EQ(samples.size(), 1000);
    const QJsonObject first = samples[0].toObject();
    EXPECT_EQ(first["iRaw"].toInt(), 70);
    EXPECT_EQ(first["i"].toInt(), -58);
    EXPECT_EQ(first["qRaw"].toInt(), -3);
    EXPECT_EQ(first["q"].toInt(), -3);
    const QJsonObject last = samples[999].toObject();
    EXPECT_EQ(last["i"].toInt(), 63);
    EXPECT_EQ(last["qRaw"].toInt(), 64);
    EXPECT_EQ(last["q"].toInt(), -64);
}

TEST(CliDumpJson, SpectrumFieldsAndLevels) {
    TempDir dir;
    const QJsonArray spectrum = DumpJson(dir)["spectrum"].toArray();
    ASSERT_EQ(spectrum.size(), 1);
    const QJsonObject record = spectrum[0].toObject();
    EXPECT_EQ(record["slot"].toInt(), 9);
    EXPECT_EQ(record["leftFrequency"].toInt(), 2150);
    EXPECT_EQ(record["rightFrequency"].toInt(), 950);
    EXPECT_EQ(record["cursorFrequency"].toInt(), 1500);
    EXPECT_EQ(record["cursorLevel"].toInt(), 61);
    EXPECT_EQ(record["spanCode"].toInt(), 0);
    const QJsonArray levels = record["levels"].toArray();
    ASSERT_EQ(levels.size(), 150);
    EXPECT_EQ(levels[0].toInt(), 45);
    EXPECT_EQ(levels[1].toInt(), 0);
    EXPECT_EQ(levels[149].toInt(), -7);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST(CliDumpCsv, SectionsPerKindWithOwnHeaders) {
    TempDir dir;
    const std::string path = (dir / "sample.dat").string();
    Sample().writeTo(path);
    const CliResult result = RunCli({"dump", path, "--csv"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::vector<std::string> lines = Lines(result.out);
    // find header, 2 rows, blank, constellation header, 1 row, blank, spectrum header, 1 row
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[0].rfind("kind,index,slot,label,satelliteName,lnbType,lnbName,", 0), 0u);
    EXPECT_EQ(lines[1].rfind("find,0,4,\"Hotbird, 12111V\",Hotbird 13E,9,Customised,", 0), 0u)
        << lines[1];
    EXPECT_NE(lines[1].find(",9.9 dB,"), std::string::npos);
    EXPECT_EQ(lines[2].rfind("find,1,6,unlocked,", 0), 0u);
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4].rfind("kind,index,slot,label,frequency,", 0), 0u);
    EXPECT_NE(lines[4].find(",i0,i1,"), std::string::npos);
    EXPECT_EQ(lines[4].substr(lines[4].size() - 5), ",q999");
    EXPECT_EQ(lines[5].rfind("constellation,0,2,8PSK,11747,", 0), 0u);
    EXPECT_EQ(lines[5].substr(lines[5].size() - 4), ",-64");
    EXPECT_EQ(lines[6], "");
    EXPECT_EQ(lines[7].substr(lines[7].size() - 9), ",level149");
    EXPECT_EQ(lines[8].rfind("spectrum,0,9,Full,2150,1500,950,61,0,", 0), 0u);
    EXPECT_EQ(lines[8].substr(lines[8].size() - 3), ",-7");
}

TEST(CliDumpCsv, EveryRowHasAsManyCellsAsItsHeader) {
    TempDir dir;
    const std::string path = (dir / "sample.dat").string();
    Sample().writeTo(path);
    const std::vector<std::string> lines = Lines(RunCli({"dump", path, "--csv"}).out);
    ASSERT_EQ(lines.size(), 9u);
    const auto commas = [](const std::string& line) {
        // The only quoted cell in the sample holds one comma.
        return std::count(line.begin(), line.end(), ',') -
               (line.find("\"Hotbird, 12111V\"") != std::string::npos ? 1 : 0);
    };
    EXPECT_EQ(commas(lines[1]), commas(lines[0]));
    EXPECT_EQ(commas(lines[2]), commas(lines[0]));
    EXPECT_EQ(commas(lines[5]), commas(lines[4]));
    EXPECT_EQ(commas(lines[8]), commas(lines[7]));
    EXPECT_EQ(commas(lines[7]), 3 + 9 + 149);
    EXPECT_EQ(commas(lines[4]), 3 + 20 + 4 + 1999);
}

TEST(CliDumpJson, AssessmentOfFindAndConstellationRecords) {
    TempDir dir;
    const QJsonObject dump = DumpJson(dir);
    // 8PSK 3/5 needs 5.50 dB, 6.3 dB with the allowance; C/N 9.99 dB shows as 9.9.
    const QJsonObject locked = dump["find"].toArray()[0].toObject();
    EXPECT_EQ(locked["requiredCn"].toInt(), 630);
    EXPECT_EQ(locked["margin"].toInt(), 360);
    EXPECT_TRUE(locked["merMargin"].isNull());
    EXPECT_EQ(Text(locked, "verdict"), "PASS");
    const QJsonObject unlocked = dump["find"].toArray()[1].toObject();
    EXPECT_TRUE(unlocked["requiredCn"].isNull());
    EXPECT_TRUE(unlocked["margin"].isNull());
    EXPECT_EQ(Text(unlocked, "verdict"), "NO LOCK");
    // QPSK 9/10 needs 6.42 dB, 7.2 dB with the allowance; C/N 12.34 dB, MER 11.80 dB.
    const QJsonObject constellation = dump["constellation"].toArray()[0].toObject();
    EXPECT_EQ(constellation["requiredCn"].toInt(), 720);
    EXPECT_EQ(constellation["margin"].toInt(), 510);
    EXPECT_EQ(constellation["merMargin"].toInt(), 460);
    EXPECT_EQ(Text(constellation, "verdict"), "PASS");
    EXPECT_FALSE(dump["spectrum"].toArray()[0].toObject().contains("verdict"));
}

TEST(CliDumpCsv, AssessmentColumnsFollowTheFields) {
    TempDir dir;
    const std::string path = (dir / "sample.dat").string();
    Sample().writeTo(path);
    const std::vector<std::string> lines =
        Lines(RunCli({"dump", path, "--csv", "--pass-margin", "5", "--s2-allowance", "0"}).out);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_NE(lines[0].find(",lockFlag,requiredCn,margin,merMargin,verdict"), std::string::npos);
    EXPECT_EQ(lines[1].substr(lines[1].size() - 20), ",1,550,440,,MARGINAL");
    EXPECT_EQ(lines[2].substr(lines[2].size() - 13), ",0,,,,NO LOCK");
    EXPECT_NE(lines[4].find(",strengthText,requiredCn,margin,merMargin,verdict,i0,"),
              std::string::npos);
    EXPECT_NE(lines[5].find(",640,590,540,PASS,"), std::string::npos);
    EXPECT_EQ(lines[7].find("verdict"), std::string::npos);
}

// One kind is one table: a header and its rows, nothing else, as spreadsheets expect. (Spectra
// are then a long table of points.)
TEST(CliDumpCsv, OneKindIsOneTable) {
    TempDir dir;
    const std::string path = (dir / "sample.dat").string();
    Sample().writeTo(path);
    const std::vector<std::string> all = Lines(RunCli({"dump", path, "--csv"}).out);
    ASSERT_EQ(all.size(), 9u);
    const struct {
        const char* kind;
        std::vector<std::string> lines;
    } cases[] = {
        {"find", {all[0], all[1], all[2]}},
        {"constellation", {all[4], all[5]}},
    };
    for (const auto& c : cases) {
        const CliResult result = RunCli({"dump", path, "--csv", "--kind", c.kind});
        ASSERT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(Lines(result.out), c.lines) << c.kind;
    }
    EXPECT_EQ(RunCli({"dump", path, "--csv", "--kind", "all"}).exitCode, 2);
}

TEST(CliDumpText, NamesEveryFieldWithItsText) {
    TempDir dir;
    const std::string path = (dir / "sample.dat").string();
    Sample().writeTo(path);
    const CliResult result = RunCli({"dump", path});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    for (const char* text :
         {"Find: 2 records", "Find 0 (slot 4)", "Find 1 (slot 6)", "Constellation: 1 record",
          "Constellation 0 (slot 2)", "Spectrum 0 (slot 9)", "lnbName            Customised",
          "lnbName            Unknown (12)", "fecText            3/5", "cnText             9.9 dB",
          "modulationText     DVB-S2/QPSK", "levels (dBuV", "  -58,  -3 [  70,  -3]"}) {
        EXPECT_NE(result.out.find(text), std::string::npos) << text;
    }
}

}  // namespace
}  // namespace mirelta::testing
