// SPDX-License-Identifier: GPL-3.0-or-later
// mirelta-cli dump: every field of every listed record.
#include <iostream>

#include "cli/analysis_options.h"
#include "cli/command.h"
#include "cli/command_line.h"
#include "cli/dump_forms.h"
#include "cli/failure.h"
#include "cli/loaded_file.h"
#include "cli/threshold_options.h"

namespace mirelta::cli {
namespace {

std::vector<QCommandLineOption> DumpOptions() {
    std::vector<QCommandLineOption> options{
        {"json", "One JSON object with \"find\", \"constellation\" and \"spectrum\" arrays."},
        {"csv", "CSV: the three kinds as three sections, each with its own header row."},
        {"kind", "With --csv: only that kind, as one table with one header row.",
         "find|constellation|spectrum"},
        ReadTimeoutOption(),
    };
    for (QCommandLineOption& option : ThresholdOptions()) {
        options.push_back(std::move(option));
    }
    for (QCommandLineOption& option : AnalysisOptions()) {
        options.push_back(std::move(option));
    }
    return options;
}

Failure ParseKind(const QCommandLineParser& parser, std::optional<ScreenKind>& out) {
    if (!parser.isSet("kind")) {
        return {};
    }
    if (!parser.isSet("csv")) {
        return UsageError("--kind goes with --csv");
    }
    const std::string name = Value(parser, "kind");
    if (name == "find") {
        out = ScreenKind::Find;
    } else if (name == "constellation") {
        out = ScreenKind::Constellation;
    } else if (name == "spectrum") {
        out = ScreenKind::Spectrum;
    } else {
        return UsageError("--kind must be find, constellation or spectrum");
    }
    return {};
}

int RunDump(const QCommandLineParser& parser) {
    SourceOptions source;
    std::optional<ScreenKind> kind;
    DumpSettings settings;
    Failure error = ParseSourceOptions(parser, source);
    if (error.ok()) {
        error = ParseThresholds(parser, settings.thresholds);
    }
    if (error.ok()) {
        error = ParseAnalysisSettings(parser, settings.analysis);
    }
    if (error.ok() && parser.isSet("json") && parser.isSet("csv")) {
        error = UsageError("only one of --json and --csv may be given");
    }
    if (error.ok()) {
        error = ParseKind(parser, kind);
    }
    if (!error.ok()) {
        return Fail(kDumpCommand, error);
    }
    LoadedFile file;
    if (const Failure opened = OpenSource(source, file); !opened.ok()) {
        return Fail(kDumpCommand, opened, source.path);
    }
    if (parser.isSet("json")) {
        DumpJson(file, std::cout, settings);
    } else if (kind) {
        DumpCsvTable(file, *kind, std::cout, settings.thresholds);
    } else if (parser.isSet("csv")) {
        DumpCsv(file, std::cout, settings.thresholds);
    } else {
        DumpText(file, std::cout);
    }
    return ExitCode(FailureKind::None);
}

}  // namespace

const Command kDumpCommand{
    "dump",
    "FILE [--json|--csv] [--kind find|constellation|spectrum]\n"
    "[--pass-margin DB] [--fail-margin DB] [--s2-allowance DB] [--lo MHz] [--threshold DB]",
    "every field of every listed record, raw values beside the texts shown",
    "Every field of every listed record, raw values next to the texts the meter\n"
    "shows (LNB name and LO values, FEC, modulation, C/N, BER, percentages); an\n"
    "unlocked Find record's C/N, BER and FEC read \"None\", as on its screen.\n"
    "In JSON, spectrum records carry \"levels\" (150 values), \"points\" ([MHz, dBuV]\n"
    "pairs of the sweep, null for no level), and the \"floor\" and \"carriers\" that\n"
    "`analyse` finds (--lo and --threshold as there); constellation records carry\n"
    "\"samples\": 1000 {\"iRaw\",\"qRaw\",\"i\",\"q\"} pairs, the raw saved bytes\n"
    "read signed and the values they stand for (a byte of 64..127 means value - 128).\n"
    "In CSV every row starts with kind, index and slot; spectrum rows end with\n"
    "level0..level149, constellation rows with i0..i999 and q0..q999 as decoded\n"
    "values. Without --kind the three sections are separated by one blank line.\n"
    "--kind spectrum gives the sweeps as one long table instead: index, slot,\n"
    "label, point, frequencyMHz, level (empty for no level), one row per point.\n"
    "JSON and CSV carry each Find and Constellation record's required C/N, margin,\n"
    "MER margin and verdict (hundredths of a dB, like cn and mer, at the tenth the\n"
    "window shows: the C/N and MER as shown minus the required C/N rounded to the\n"
    "tenth). A DVB-S2 required C/N includes --s2-allowance (default 0.8 dB); an\n"
    "unlocked Find record is NO LOCK.",
    DumpOptions,
    RunDump};

}  // namespace mirelta::cli
