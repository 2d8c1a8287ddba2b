// SPDX-License-Identifier: GPL-3.0-or-later
// mirelta-cli identify: the orbital position of a file's transponders against satellite lists.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli_run.h"
#include "fixtures/image_builder.h"

namespace mirelta::testing {
namespace {

using fixtures::FindFields;
using fixtures::ImageBuilder;

struct Tp {
    std::uint32_t mhz;
    std::uint8_t vertical;
    std::uint32_t ksps = 27500;
};

void WriteList(const std::filesystem::path& path, const std::vector<Tp>& transponders) {
    std::ofstream out(path);
    for (const Tp& t : transponders) {
        out << "[CHANNEL]\n\tDELIVERY_SYSTEM = DVBS\n\tFREQUENCY = " << t.mhz * 1000
            << "\n\tPOLARIZATION = " << (t.vertical ? "VERTICAL" : "HORIZONTAL")
            << "\n\tSYMBOL_RATE = " << t.ksps * 1000 << "\n\n";
    }
}

// Locked Find snapshots of `transponders`, all saved under the satellite name `claimed`.
std::string WriteMeterFile(const TempDir& dir, const std::vector<Tp>& transponders,
                           const std::string& claimed) {
    ImageBuilder builder;
    for (std::size_t i = 0; i < transponders.size(); ++i) {
        builder.addFind(static_cast<int>(i), FindFields{.label = "Tp",
                                                        .satellite = claimed,
                                                        .frequency = transponders[i].mhz,
                                                        .symbolRate = transponders[i].ksps,
                                                        .polarisation = transponders[i].vertical,
                                                        .lockFlag = 1});
    }
    const std::string path = (dir / "roof.dat").string();
    builder.writeTo(path);
    return path;
}

TEST(CliIdentify, HotbirdTranspondersSavedAsAstraGiveHotbirdAndTheWarning) {
    TempDir dir;
    std::filesystem::create_directory(dir / "lists");
    const std::vector<Tp> hotbird = {{10719, 1}, {10758, 1}, {10796, 1}, {10834, 1}, {10873, 1},
                                     {11013, 0}, {11054, 0}, {11096, 0}, {11137, 0}};
    WriteList(dir / "lists/Hotbird-13.0E", hotbird);
    WriteList(dir / "lists/Astra-19.2E", {{11347, 1}, {11494, 0}, {12000, 1}});
    WriteList(dir / "lists/Thor-5-0.8W", {{10872, 1}, {12000, 1}});
    std::vector<Tp> measured = hotbird;
    measured.push_back({12000, 1});  // on Astra and Thor
    const std::string path = WriteMeterFile(dir, measured, "Astra 19.2E");
    const std::string tables = (dir / "lists").string();

    const QJsonObject json = RunCliJson({"identify", path, "--json", "--tables", tables});
    EXPECT_EQ(json["measured"].toInt(), 10);
    const QJsonObject likely{{"name", "Hotbird"}, {"positionDeg", 13}, {"matched", 9}};
    EXPECT_EQ(json["candidates"].toArray(),
              (QJsonArray{likely,
                          QJsonObject{{"name", "Thor-5"},
                                      {"positionDeg", -0.8},
                                      {"matched", 2}},  // 10873 and 12000
                          QJsonObject{{"name", "Astra"}, {"positionDeg", 19.2}, {"matched", 1}}}));
    EXPECT_EQ(json["likely"].toObject(), likely);
    EXPECT_DOUBLE_EQ(json["claimedDeg"].toDouble(), 19.2);
    EXPECT_TRUE(json["mismatch"].toBool());

    const CliResult text = RunCli({"identify", path, "--tables", tables});
    EXPECT_EQ(text.out,
              "Measured transponders: 10\n"
              "  Hotbird 13.0E: 9 of 10\n"
              "  Thor-5 0.8W: 2 of 10\n"
              "  Astra 19.2E: 1 of 10\n"
              "Saved on the meter: Astra 19.2E\n"
              "Satellite: likely Hotbird 13.0E (9 of 10)\n"
              "The transponders match Hotbird 13.0E (9 of 10), not Astra 19.2E as saved on the "
              "meter\n");
}

// pdftotext's words of the report's first page, one space between them.
std::string FirstPageWords(const std::string& pdf) {
    std::istringstream in(RunProgram("pdftotext", {"-l", "1", pdf, "-"}).out);
    std::string words;
    for (std::string word; in >> word;) {
        words += (words.empty() ? "" : " ") + word;
    }
    return words;
}

// The report, in both languages, has the line and the warning, and the log the column; lists
// that are not there leave the line out and fail nothing.
TEST(CliIdentify, ReportAndLogNameTheLikelyPosition) {
    TempDir dir;
    std::filesystem::create_directory(dir / "lists");
    const std::vector<Tp> hotbird = {{10719, 1}, {10758, 1}, {10796, 1}, {11013, 0}, {11054, 0}};
    WriteList(dir / "lists/Hotbird-13.0E", hotbird);
    WriteList(dir / "lists/Astra-19.2E", {{11347, 1}, {11494, 0}});
    const std::string path = WriteMeterFile(dir, hotbird, "Astra 19.2E");
    const std::string tables = (dir / "lists").string();
    const std::string pdf = (dir / "report.pdf").string();
    const std::pair<const char*, std::string> reports[] = {
        {"en",
         "Satellite: likely Hotbird 13.0E (5 of 5) The transponders match Hotbird 13.0E (5 of 5), "
         "not Astra 19.2E as saved on the meter"},
        {"fr",
         "Satellite : probablement Hotbird 13.0E (5 sur 5) Les transpondeurs correspondent à "
         "Hotbird 13.0E (5 sur 5), et non à Astra 19.2E comme enregistré sur le mesureur"},
    };
    for (const auto& [language, lines] : reports) {
        ASSERT_EQ(RunCli({"report", path, "-o", pdf, "--tables", tables, "--language", language})
                      .exitCode,
                  0);
        EXPECT_NE(FirstPageWords(pdf).find(lines), std::string::npos) << FirstPageWords(pdf);
    }
    const CliResult without = RunCli({"report", path, "-o", pdf, "--tables", "/nowhere"});
    EXPECT_EQ(without.exitCode, 0);
    EXPECT_NE(without.err.find("no satellite is named"), std::string::npos) << without.err;
    EXPECT_EQ(FirstPageWords(pdf).find("Satellite"), std::string::npos);

    const CliResult log = RunCli({"log", path, "--csv", "--tables", tables});
    EXPECT_TRUE(
        log.out.starts_with("file,sha256,modified,kind,index,label,satellite,likelyPosition,"));
    std::size_t rows = 0;
    for (std::size_t at = 0; (at = log.out.find(",Astra 19.2E,Hotbird 13.0E (5 of 5),", at + 1)) !=
                             std::string::npos;) {
        ++rows;
    }
    EXPECT_EQ(rows, hotbird.size());
}

TEST(CliIdentify, NoListToMatchAgainstFailsWithTheReason) {
    TempDir dir;
    std::filesystem::create_directory(dir / "lists");
    std::ofstream(dir / "lists/Hotbird-13.0E") << "FREQUENCY = 10719000\n";
    const std::string path = WriteMeterFile(dir, {{10719, 1}}, "Hotbird 13E");
    const struct {
        std::string folder;
        std::string err;
    } cases[] = {
        {(dir / "absent").string(),
         "Open false! " + (dir / "absent").string() + ": no such folder of satellite lists"},
        {(dir / "lists").string(),
         "mirelta-cli identify: " + (dir / "lists/Hotbird-13.0E").string() +
             ": left out, line 1: a value before the first [CHANNEL] line\nOpen false! " +
             (dir / "lists").string() + ": holds no satellite list"},
    };
    for (const auto& c : cases) {
        const CliResult result = RunCli({"identify", path, "--tables", c.folder});
        EXPECT_EQ(result.exitCode, 3);
        EXPECT_EQ(result.out, "");
        EXPECT_TRUE(result.err.starts_with(c.err)) << result.err;
    }
}

// The published lists, where installed: every third of Hotbird's first transponders.
TEST(CliIdentify, InstalledListsTellHotbirdFromAstra) {
    std::ifstream list("/usr/share/dvb/dvb-s/Hotbird-13.0E");
    if (!list) {
        GTEST_SKIP() << "dtv-scan-tables is not installed";
    }
    std::vector<Tp> listed;
    for (std::string line; std::getline(list, line);) {
        const std::string value = line.substr(line.find('=') + 1);
        if (line.starts_with("[")) {
            listed.push_back({0, 0, 0});
        } else if (line.find("FREQUENCY") != std::string::npos) {
            listed.back().mhz = static_cast<std::uint32_t>(std::stoul(value) / 1000);
        } else if (line.find("SYMBOL_RATE") != std::string::npos) {
            listed.back().ksps = static_cast<std::uint32_t>(std::stoul(value) / 1000);
        } else if (line.find("VERTICAL") != std::string::npos) {
            listed.back().vertical = 1;
        }
    }
    std::vector<Tp> hotbird;
    for (std::size_t i = 0; i < listed.size() && hotbird.size() < 10; i += 3) {
        hotbird.push_back(listed[i]);
    }
    TempDir dir;
    const QJsonObject json =
        RunCliJson({"identify", WriteMeterFile(dir, hotbird, "Astra 19.2E"), "--json"});
    EXPECT_EQ(json["likely"].toObject()["name"].toString(), "Hotbird");
    EXPECT_DOUBLE_EQ(json["likely"].toObject()["positionDeg"].toDouble(), 13);
    EXPECT_TRUE(json["mismatch"].toBool());
}

}  // namespace
}  // namespace mirelta::testing
