// SPDX-License-Identifier: GPL-3.0-or-later
// mirelta-cli report: the PDF read back with poppler's pdfinfo and pdftotext.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "cli_run.h"
#include "fixtures/image_builder.h"

namespace mirelta::testing {
namespace {

using fixtures::FindFields;
using fixtures::ImageBuilder;

std::string PdfInfo(const std::filesystem::path& pdf) {
    const CliResult info = RunProgram("pdfinfo", {pdf.string()});
    EXPECT_EQ(info.exitCode, 0) << info.err;
    return info.out;
}

std::string PdfText(const std::filesystem::path& pdf, int first, int last = 0) {
    const CliResult text =
        RunProgram("pdftotext", {"-layout", "-f", std::to_string(first), "-l",
                                 std::to_string(last > 0 ? last : first), pdf.string(), "-"});
    EXPECT_EQ(text.exitCode, 0) << text.err;
    return text.out;
}

void WriteText(const std::filesystem::path& file, const std::string& text) {
    std::ofstream(file) << text;
}

std::string InfoField(const std::string& info, const std::string& name) {
    std::istringstream in(info);
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with(name + ":")) {
            const std::size_t value = line.find_first_not_of(' ', name.size() + 1);
            return value == std::string::npos ? "" : line.substr(value);
        }
    }
    return "(missing)";
}

// The summary line that holds `label`, with runs of spaces squeezed to one.
std::string SummaryLine(const std::string& page, const std::string& label) {
    std::istringstream in(page);
    for (std::string line; std::getline(in, line);) {
        if (line.find("  " + label + "  ") != std::string::npos) {
            std::string squeezed;
            for (const char c : line) {
                if (c != ' ' || (!squeezed.empty() && squeezed.back() != ' ')) {
                    squeezed += c;
                }
            }
            return squeezed;
        }
    }
    return "(no line for " + label + ")";
}

TEST(CliReport, DemoFileHasASummaryPageOnePagePerSnapshotAndOnePerSweepsAnalysis) {
    TempDir dir;
    const std::filesystem::path pdf = dir / "report.pdf";
    const CliResult result = RunCli({"report", DEMO_FILE, "-o", pdf.string()});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "");

    const CliResult dump = RunCli({"dump", DEMO_FILE, "--json"});
    const QJsonObject records =
        QJsonDocument::fromJson(QByteArray::fromStdString(dump.out)).object();
    const int snapshots = static_cast<int>(records["find"].toArray().size() +
                                           records["constellation"].toArray().size() +
                                           records["spectrum"].toArray().size());
    const int spectra = static_cast<int>(records["spectrum"].toArray().size());
    const std::string info = PdfInfo(pdf);
    const int summaryPages = 2;  // the hand-over part: criteria, transponders, every snapshot
    EXPECT_EQ(InfoField(info, "Pages"), std::to_string(summaryPages + snapshots + spectra));
    EXPECT_EQ(InfoField(info, "Title"), "Installation report");
    EXPECT_EQ(InfoField(info, "Creator"), "Mirelta");

    // Every judged row ends with the verdict that dump gives; spectra are not rated.
    const std::string summary = PdfText(pdf, 1, summaryPages);
    std::map<std::string, int> counts;
    for (const char* kind : {"find", "constellation"}) {
        for (const QJsonValue record : records[kind].toArray()) {
            const std::string label = record["label"].toString().toStdString();
            const std::string verdict = record["verdict"].toString().toStdString();
            const std::string line = SummaryLine(summary, label);
            EXPECT_TRUE(line.ends_with(" " + verdict)) << line << " / " << verdict;
            ++counts[verdict];
        }
    }
    for (const QJsonValue record : records["spectrum"].toArray()) {
        const std::string line = SummaryLine(summary, record["label"].toString().toStdString());
        EXPECT_TRUE(line.ends_with(" not rated")) << line;
        const auto carriers = record["carriers"].toArray().size();
        EXPECT_NE(line.find(" " + std::to_string(carriers) + " carrier"), std::string::npos)
            << line;
        ++counts["not rated"];
    }
    const std::string total = std::to_string(counts["PASS"]) + " PASS, " +
                              std::to_string(counts["MARGINAL"]) + " MARGINAL, " +
                              std::to_string(counts["FAIL"]) + " FAIL, " +
                              std::to_string(counts["NO LOCK"]) + " NO LOCK, " +
                              std::to_string(counts["not rated"]) + " not rated";
    EXPECT_NE(summary.find(total), std::string::npos) << total << "\n" << summary;
    EXPECT_NE(summary.find("File: demo.dat"), std::string::npos);

    // A Find section: its replica's values and its verdict in words.
    const std::string first = PdfText(pdf, summaryPages + 1);
    EXPECT_NE(first.find("Find 1: Astra 11747H"), std::string::npos) << first;
    EXPECT_NE(first.find("PASS: QPSK 3/4 needs 6.9 dB; C/N margin 5.4 dB"), std::string::npos);
    // The last spectrum's section, with the sweep's edges and span, then its analysis.
    const std::string section = PdfText(pdf, summaryPages + snapshots + spectra - 1);
    for (const char* text : {"Left edge (MHz)", "Right edge (MHz)", "Span"}) {
        EXPECT_NE(section.find(text), std::string::npos) << text << "\n" << section;
    }
    const std::string analysis = PdfText(pdf, summaryPages + snapshots + spectra);
    for (const char* text : {"Spectrum analysis - Spectrum 5: Intelsat C-band 200MHz",
                             "Centre IF (MHz)", "Channel power", "IF (MHz)"}) {
        EXPECT_NE(analysis.find(text), std::string::npos) << text << "\n" << analysis;
    }
}

TEST(CliReport, EmptyFileMakesAOnePageReport) {
    TempDir dir;
    const std::filesystem::path source = dir / "empty.dat";
    ImageBuilder().writeTo(source);
    const std::filesystem::path pdf = dir / "report.pdf";
    ASSERT_EQ(RunCli({"report", source.string(), "-o", pdf.string()}).exitCode, 0);
    EXPECT_EQ(InfoField(PdfInfo(pdf), "Pages"), "1");
    const std::string page = PdfText(pdf, 1);
    EXPECT_NE(page.find("This file holds no saved snapshots."), std::string::npos) << page;
    EXPECT_NE(page.find("0 Find, 0 Constellation and 0 Spectrum snapshots"), std::string::npos);
}

TEST(CliReport, FrenchCaptionsTitleAndTheMetersOwnChineseText) {
    TempDir dir;
    const std::filesystem::path source = dir / "one.dat";
    // "中文" in code page 936; DVB-S2 QPSK 1/2 needs 1.00 dB, 1.8 dB with the allowance.
    ImageBuilder()
        .addFind(0, FindFields{.label = "\xD6\xD0\xCE\xC4 12543H",
                               .cn = 350,
                               .system = 3,
                               .modcod = 4,
                               .lockFlag = 1})
        .writeTo(source);
    const std::filesystem::path pdf = dir / "rapport.pdf";
    const CliResult result = RunCli({"report", source.string(), "-o", pdf.string(), "--language",
                                     "fr", "--title", "Client Dupont", "--pass-margin", "1.5"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(InfoField(PdfInfo(pdf), "Title"), "Client Dupont");
    const std::string summary = PdfText(pdf, 1);
    for (const char* text :
         {"Client Dupont", "Transpondeurs", "Fichier: one.dat", "\xE4\xB8\xAD\xE6\x96\x87 12543H",
          "CONFORME : 1, LIMITE : 0, NON CONFORME : 0, NON VERROUILLÉ : 0, "
          "non évalué : 0"}) {
        EXPECT_NE(summary.find(text), std::string::npos) << text << "\n" << summary;
    }
    EXPECT_TRUE(SummaryLine(summary, "\xE4\xB8\xAD\xE6\x96\x87 12543H").ends_with(" CONFORME"));
    EXPECT_NE(PdfText(pdf, 2).find("CONFORME : QPSK 1/2 requiert 1.8 dB ; marge C/N 1.7 dB"),
              std::string::npos);
    const CliResult fonts = RunProgram("pdffonts", {pdf.string()});
    EXPECT_NE(fonts.out.find("WenQuanYi"), std::string::npos) << fonts.out;
}

// The job file beside the meter file heads the report; every page's footer carries the page
// count, the version and the meter file's hash.
TEST(CliReport, HandOverHasTheJobCriteriaSignaturesAndFooters) {
    TempDir dir;
    const std::filesystem::path source = dir / "roof.dat";
    std::filesystem::copy_file(DEMO_FILE, source);
    WriteText(dir / "roof.job.json",
              R"({"customer": "Camille Martin", "installer": "Antenne Service", "dishSize": )"
              R"("80 cm", "gps": {"latitude": 45.7578, "longitude": -4.832}, "notes": "Roof"})");
    const std::filesystem::path pdf = dir / "report.pdf";
    const CliResult result = RunCli({"report", source.string(), "-o", pdf.string()});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::string pages = InfoField(PdfInfo(pdf), "Pages");
    const std::string sha = RunProgram("sha256sum", {source.string()}).out.substr(0, 64);
    const std::string first = PdfText(pdf, 1);
    for (const std::string& text :
         {std::string("Camille Martin"), std::string("80 cm"),
          std::string("45.75780° N, 4.83200° W"), std::string("allowance of 0.8 dB"),
          std::string("PASS from a margin of 3.0 dB"), std::string("8 transponders:"),
          "page 1 of " + pages, std::string("Mirelta " MIRELTA_VERSION),
          "meter file SHA-256 " + sha}) {
        EXPECT_NE(first.find(text), std::string::npos) << text << "\n" << first;
    }
    const std::string summaryEnd = PdfText(pdf, 2);
    EXPECT_NE(summaryEnd.find("Installer: Antenne Service"), std::string::npos) << summaryEnd;
    EXPECT_NE(summaryEnd.find("Customer: Camille Martin"), std::string::npos);
    EXPECT_NE(PdfText(pdf, std::stoi(pages)).find("page " + pages + " of " + pages),
              std::string::npos);

    // A job file named on the command line must serve; nothing is written when it cannot.
    WriteText(dir / "broken.json", "{\"customer\": 7}");
    for (const char* job : {"broken.json", "missing.json"}) {
        const std::filesystem::path out = dir / "refused.pdf";
        const CliResult refused =
            RunCli({"report", source.string(), "-o", out.string(), "--job", (dir / job).string()});
        EXPECT_EQ(refused.exitCode, 3) << job;
        EXPECT_NE(refused.err.find("cannot use the job file"), std::string::npos) << refused.err;
        EXPECT_FALSE(std::filesystem::exists(out));
    }
}

TEST(CliReport, FailuresLeaveNoFileBehind) {
    TempDir dir;
    const std::filesystem::path pdf = dir / "report.pdf";
    const CliResult missing = RunCli({"report", (dir / "none.dat").string(), "-o", pdf.string()});
    EXPECT_EQ(missing.exitCode, 3);
    const std::filesystem::path folderless = dir / "no" / "such" / "report.pdf";
    const CliResult unwritable = RunCli({"report", DEMO_FILE, "-o", folderless.string()});
    EXPECT_EQ(unwritable.exitCode, 5);
    EXPECT_NE(unwritable.err.find("cannot write"), std::string::npos) << unwritable.err;
    EXPECT_EQ(RunCli({"report", DEMO_FILE}).exitCode, 2);
    EXPECT_EQ(RunCli({"report", DEMO_FILE, "-o", pdf.string(), "--language", "de"}).exitCode, 2);
    EXPECT_FALSE(std::filesystem::exists(pdf));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / ""),
                            std::filesystem::directory_iterator()),
              0);
}

}  // namespace
}  // namespace mirelta::testing
