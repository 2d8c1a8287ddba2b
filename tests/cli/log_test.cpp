// SPDX-License-Identifier: GPL-3.0-or-later
// `log` over a folder of good, nested, short and foreign files.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <filesystem>
#include <fstream>
#include <map>

#include "cli_run.h"
#include "fixtures/image_builder.h"

namespace mirelta::testing {
namespace {

namespace fs = std::filesystem;
using Row = std::vector<std::string>;

// RFC 4180 as a spreadsheet reads it: quoted cells may hold commas, quotes and line breaks.
std::vector<Row> ParseCsv(const std::string& text) {
    std::vector<Row> rows(1, Row(1));
    bool quoted = false;
    for (std::size_t k = 0; k < text.size(); ++k) {
        const char c = text[k];
        if (quoted && c == '"' && k + 1 < text.size() && text[k + 1] == '"') {
            rows.back().back() += '"';
            ++k;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && c == ',') {
            rows.back().emplace_back();
        } else if (!quoted && c == '\n') {
            rows.emplace_back(1);
        } else {
            rows.back().back() += c;
        }
    }
    rows.pop_back();  // after the last line break
    return rows;
}

// LNBs that give the IF each way: the table's low and high band, a customised C-band LO, an
// unknown LNB.
void WriteFolder(const TempDir& dir) {
    fs::create_directories(dir / "logs/nested");
    fixtures::SpectrumFields sweep{.label = "band", .leftFrequency = 2150, .rightFrequency = 950};
    sweep.levels.fill(40);
    std::fill(sweep.levels.begin() + 60, sweep.levels.begin() + 76, 70);
    fixtures::ImageBuilder()
        .addFind(0, {.label = "low, \"band\"",
                     .satellite = "Astra 19.2E",
                     .lnbType = 0,
                     .frequency = 11000,
                     .lockFlag = 1})
        .addFind(3, {.label = "high", .lnbType = 0, .frequency = 12111, .lockFlag = 1})
        .addFind(5, {.label = "C", .lnbType = 9, .loLow = 5150, .frequency = 3845, .lockFlag = 1})
        .addFind(6, {.label = "odd", .lnbType = 12, .frequency = 11000})
        .addConstellation(2, {.label = "cons", .frequency = 11747})
        .addConstellation(3, {.label = "cons high", .frequency = 12111})
        .addSpectrum(4, sweep)
        .writeTo(dir / "logs/a.dat");
    fixtures::ImageBuilder()
        .addFind(1, {.label = "deep", .lnbType = 0, .frequency = 10900})
        .writeTo(dir / "logs/nested/b.dat");
    fixtures::ImageBuilder().writeTo(dir / "logs/short.dat", 100);
    fixtures::ImageBuilder().setSignature(0).writeTo(dir / "logs/zero.dat");
    std::ofstream(dir / "logs/notes.txt") << "not a meter file";
}

TEST(CliLog, AFolderGivesOneRowPerSnapshotAndGoesPastABadFile) {
    TempDir dir;
    WriteFolder(dir);
    const std::string logs = (dir / "logs").string();
    const CliResult result = RunCli({"log", logs, "--csv"});
    EXPECT_EQ(result.exitCode, 4);
    EXPECT_EQ(result.err, "Read file error! " + logs + "/short.dat: 100 bytes; a meter file has " +
                              "42652\n" + logs + "/zero.dat: not a meter memory image; nothing " +
                              "listed\n");
    const std::vector<Row> rows = ParseCsv(result.out);
    ASSERT_EQ(rows.size(), 11u);
    const Row& header = rows[0];
    std::map<std::string, std::size_t> at;
    for (std::size_t k = 0; k < header.size(); ++k) {
        at[header[k]] = k;
    }
    for (const Row& row : rows) {
        ASSERT_EQ(row.size(), header.size()) << row[0];
    }
    const auto cell = [&](std::size_t row, const char* name) { return rows[row][at.at(name)]; };
    // path, kind, index, label, IF, carriers, failure
    const std::vector<std::array<std::string, 7>> expected{
        {"a.dat", "find", "0", "low, \"band\"", "1250", "", ""},
        {"a.dat", "find", "1", "high", "1511", "", ""},
        {"a.dat", "find", "2", "C", "1305", "", ""},
        {"a.dat", "find", "3", "odd", "", "", ""},
        {"a.dat", "constellation", "0", "cons", "", "", ""},
        // No LNB of its own: that of the Find snapshot at its frequency.
        {"a.dat", "constellation", "1", "cons high", "1511", "", ""},
        {"a.dat", "spectrum", "0", "band", "", "1", ""},
        {"nested/b.dat", "find", "0", "deep", "1150", "", ""},
        {"short.dat", "", "", "", "", "", "cannot read: 100 bytes; a meter file has 42652"},
        {"zero.dat", "", "", "", "", "", "not a meter memory image; nothing listed"},
    };
    for (std::size_t k = 0; k < expected.size(); ++k) {
        const auto& e = expected[k];
        EXPECT_EQ(cell(k + 1, "file"), logs + "/" + e[0]) << k;
        EXPECT_EQ(cell(k + 1, "kind"), e[1]) << k;
        EXPECT_EQ(cell(k + 1, "index"), e[2]) << k;
        EXPECT_EQ(cell(k + 1, "label"), e[3]) << k;
        EXPECT_EQ(cell(k + 1, "ifMHz"), e[4]) << k;
        EXPECT_EQ(cell(k + 1, "carriers"), e[5]) << k;
        EXPECT_EQ(cell(k + 1, "failure"), e[6]) << k;
    }
    EXPECT_EQ(cell(1, "satellite"), "Astra 19.2E");
    EXPECT_EQ(cell(1, "rfMHz"), "11000");
    EXPECT_EQ(cell(9, "sha256"), "");
    const CliResult sum = RunShell("sha256sum " + ShellQuote(logs + "/a.dat"));
    EXPECT_EQ(cell(1, "sha256"), sum.out.substr(0, 12));
    EXPECT_TRUE(cell(1, "modified").ends_with("Z")) << cell(1, "modified");
}

TEST(CliLog, JsonParsesAndOutMatchesStandardOutput) {
    TempDir dir;
    WriteFolder(dir);
    const std::string logs = (dir / "logs").string();
    const CliResult json = RunCli({"log", logs, "--json"});
    QJsonParseError error{};
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray::fromStdString(json.out), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << json.out;
    const QJsonArray rows = document.array();
    ASSERT_EQ(rows.size(), 10);
    EXPECT_EQ(rows[0].toObject().size(), 22);
    EXPECT_EQ(rows[0]["ifMHz"].toDouble(), 1250);
    EXPECT_TRUE(rows[0]["carriers"].isNull());
    EXPECT_EQ(rows[8]["failure"].toString(), "cannot read: 100 bytes; a meter file has 42652");

    const CliResult csv = RunCli({"log", logs, "--csv"});
    const CliResult written = RunCli({"log", logs, "--csv", "-o", (dir / "log.csv").string()});
    EXPECT_EQ(written.exitCode, 4);
    EXPECT_EQ(written.out, "");
    std::ifstream in(dir / "log.csv");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), csv.out);
}

}  // namespace
}  // namespace mirelta::testing
