// SPDX-License-Identifier: GPL-3.0-or-later
// mirelta-cli describe: the window's state after the given steps.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <set>

#include "cli_run.h"
#include "fixtures/image_builder.h"

namespace mirelta::testing {
namespace {

using fixtures::FindFields;
using fixtures::ImageBuilder;
using fixtures::SpectrumFields;

std::string WriteSweepImage(const TempDir& dir) {
    SpectrumFields sweep{.label = "Full band",
                         .leftFrequency = 2150,
                         .cursorFrequency = 1500,
                         .rightFrequency = 950,
                         .cursorLevel = 50,
                         .spanCode = 0};
    for (int k = 0; k < 150; ++k) {
        sweep.levels[k] = static_cast<std::int8_t>(40 + k % 20);
    }
    ImageBuilder builder;
    builder.addFind(2, FindFields{.label = "Astra", .satellite = "Astra 19.2E"})
        .addFind(4, FindFields{.label = "Thor", .satellite = "Thor 0.8W", .polarisation = 1})
        .addSpectrum(0, sweep);
    const std::string path = (dir / "sweep.dat").string();
    builder.writeTo(path);
    return path;
}

QJsonObject Describe(const std::vector<std::string>& args) {
    const CliResult result = RunCli(args);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    QJsonParseError error;
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray::fromStdString(result.out), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << result.out;
    return document.object();
}

QJsonObject Control(const QJsonObject& state, int id) {
    for (const QJsonValue& value : state["controls"].toArray()) {
        if (value.toObject()["id"].toInt() == id) {
            return value.toObject();
        }
    }
    ADD_FAILURE() << "no control " << id;
    return {};
}

TEST(CliDescribe, FindScreenOfThePickedRecord) {
    TempDir dir;
    const QJsonObject state =
        Describe({"describe", WriteSweepImage(dir), "--screen", "find", "--record", "1"});
    EXPECT_EQ(state["screen_mode"].toInt(), 0);
    EXPECT_EQ(state["language"].toString(), "en");
    EXPECT_EQ(state["title"].toString(), "Satellite Finding");
    EXPECT_TRUE(state["draw_enabled"].toBool());
    EXPECT_EQ(Control(state, 1025)["text"].toString(), "Thor 0.8W");
    EXPECT_EQ(Control(state, 1025)["align"].toInt(), 1);
    EXPECT_EQ(Control(state, 1025)["rect"].toArray(), (QJsonArray{215, 60, 460, 90}));
    EXPECT_TRUE(Control(state, 1015)["visible"].toBool());
    EXPECT_EQ(Control(state, 1042)["selection"].toInt(), 1);
    EXPECT_TRUE(state["messages"].toArray().isEmpty());
}

TEST(CliDescribe, ListsEveryReplicaAndPanelControl) {
    TempDir dir;
    const QJsonObject state = Describe({"describe", WriteSweepImage(dir), "--screen", "find"});
    std::set<int> ids;
    for (const QJsonValue& value : state["controls"].toArray()) {
        ids.insert(value.toObject()["id"].toInt());
    }
    for (int id :
         {1, 2, 3, 1001, 1022, 1023, 1041, 1042, 1043, 1044, 1045, 1057, 1058, 1059, 1060}) {
        EXPECT_TRUE(ids.count(id)) << id;
    }
    EXPECT_TRUE(Control(state, 1)["enabled"].toBool());  // Save, once a file is open
    EXPECT_FALSE(Control(state, 1043)["visible"].toBool());
}

TEST(CliDescribe, SpectrumCursorReadOutAndReferenceWindowInFrench) {
    TempDir dir;
    const QJsonObject state =
        Describe({"describe", WriteSweepImage(dir), "--screen", "spectrum", "--language", "fr",
                  "--ref-bottom", "45", "--cursor", "100,200"});
    EXPECT_EQ(state["screen_mode"].toInt(), 2);
    EXPECT_EQ(state["title"].toString(), QString::fromUtf8("R\u00e9glez Spectrum"));
    EXPECT_EQ(state["ref_level_bottom"].toInt(), 45);
    EXPECT_EQ(state["ref_level_top"].toInt(), 75);
    EXPECT_EQ(state["freq_step"].toInt(), 8);
    EXPECT_EQ(state["cursor"].toArray(), (QJsonArray{100, 200}));
    // Point pitch 4: x 100 is sweep point 6, whose level is 46; 2150 - 6 x 8 = 2102.
    EXPECT_EQ(state["tooltip"].toString(), "[ 2102MHz : 46 ]");
    EXPECT_EQ(Control(state, 1026)["text"].toString(), "2102");
    EXPECT_EQ(Control(state, 1031)["text"].toString(), "46");
    EXPECT_EQ(Control(state, 1008)["text"].toString(), "75");
    EXPECT_EQ(Control(state, 1014)["text"].toString(), "45");
    EXPECT_EQ(Control(state, 1046)["text"].toString(), "analyser");
}

// A record pick is the last step that lays the screen out, whatever the language: the same
// screen as a pick in the window's record list.
TEST(CliDescribe, PickedRecordOutlastsTheLanguageChoice) {
    TempDir dir;
    SpectrumFields narrow{
        .label = "Narrow", .leftFrequency = 1250, .rightFrequency = 1150, .spanCode = 7};
    ImageBuilder builder;
    builder.addFind(0, FindFields{.label = "Universal", .lnbType = 0})
        .addFind(1, FindFields{.label = "Single", .lnbType = 1})
        .addSpectrum(0,
                     SpectrumFields{.label = "Full", .leftFrequency = 2150, .rightFrequency = 950})
        .addSpectrum(1, narrow);
    const std::string file = (dir / "picks.dat").string();
    builder.writeTo(file);
    for (const std::vector<std::string>& language :
         {std::vector<std::string>{}, {"--language", "en"}, {"--language", "fr"}}) {
        const std::string named = language.empty() ? "none" : language.back();
        std::vector<std::string> find{"describe", file, "--screen", "find", "--record", "1"};
        find.insert(find.end(), language.begin(), language.end());
        EXPECT_FALSE(Control(Describe(find), 1016)["visible"].toBool())
            << "no 22k icon for LNB type 1, language " << named;
        std::vector<std::string> spectrum{"describe", file,       "--screen",
                                          "spectrum", "--record", "1"};
        spectrum.insert(spectrum.end(), language.begin(), language.end());
        EXPECT_EQ(Control(Describe(spectrum), 1034)["text"].toString(), "")
            << "span code 7 has no caption, language " << named;
    }
}

TEST(CliDescribe, RefusesOptionsTheWindowCannotReach) {
    TempDir dir;
    const std::string file = WriteSweepImage(dir);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"describe", file, "--screen", "find", "--record", "2"},
          {"describe", file, "--screen", "spectrum", "--ref-bottom", "33"},
          {"describe", file, "--screen", "spectrum", "--ref-bottom", "75"},
          {"describe", file, "--screen", "find", "--ref-bottom", "45"},
          {"describe", file, "--screen", "map"},
          {"describe", file, "--screen", "find", "--cursor", "12"},
          {"describe", file},
          {"describe", "--screen", "find"}}) {
        const CliResult result = RunCli(args);
        EXPECT_EQ(result.exitCode, 2) << args.back();
        EXPECT_TRUE(result.out.empty());
        EXPECT_FALSE(result.err.empty());
    }
}

TEST(CliDescribe, UnreadableFilesKeepTheirExitCodes) {
    TempDir dir;
    const CliResult missing =
        RunCli({"describe", (dir / "absent.dat").string(), "--screen", "find"});
    EXPECT_EQ(missing.exitCode, 3);
    EXPECT_NE(missing.err.find("Open false!"), std::string::npos);
    const std::string shortFile = (dir / "short.dat").string();
    ImageBuilder().writeTo(shortFile, 100);
    const CliResult tooShort = RunCli({"describe", shortFile, "--screen", "find"});
    EXPECT_EQ(tooShort.exitCode, 4);
    EXPECT_NE(tooShort.err.find("Read file error!"), std::string::npos);
}

}  // namespace
}  // namespace mirelta::testing
