// SPDX-License-Identifier: GPL-3.0-or-later
// mirelta-cli identify: which orbital position the file's transponders belong to.
#include <iostream>

#include "analysis/satellite_identification.h"
#include "cli/analysis_options.h"
#include "cli/command.h"
#include "cli/command_line.h"
#include "cli/failure.h"
#include "cli/json_writer.h"
#include "cli/loaded_file.h"
#include "cli/satellite_lists.h"
#include "cli/terminal_text.h"
#include "platform/text_codec.h"

namespace mirelta::cli {
namespace {

using analysis::Candidate;
using analysis::Identification;

std::vector<QCommandLineOption> IdentifyOptions() {
    std::vector<QCommandLineOption> options{
        {"json", "One JSON object: measured, candidates, likely, claimedDeg, mismatch."},
        TablesOption(),
        ReadTimeoutOption(),
    };
    for (QCommandLineOption& option : AnalysisOptions()) {
        options.push_back(std::move(option));
    }
    return options;
}

void WriteCandidate(JsonWriter& json, const Candidate& candidate) {
    json.beginObject();
    json.field("name", candidate.name);
    json.key("positionDeg");
    json.decimal(candidate.degrees);
    json.field("matched", std::int64_t{candidate.matched});
    json.endObject();
}

void PrintJson(const Identification& found) {
    JsonWriter json(std::cout);
    json.beginObject();
    json.field("measured", std::int64_t{found.measured});
    json.key("candidates");
    json.beginArray();
    for (const Candidate& candidate : found.candidates) {
        WriteCandidate(json, candidate);
    }
    json.endArray();
    json.key("likely");
    if (found.likely) {
        WriteCandidate(json, *found.likely);
    } else {
        json.null();
    }
    json.key("claimedDeg");
    if (found.claimedDegrees) {
        json.decimal(*found.claimedDegrees);
    } else {
        json.null();
    }
    json.key("mismatch");
    json.flag(found.mismatch);
    json.endObject();
    std::cout << '\n';
}

void PrintText(const Identification& found) {
    std::cout << "Measured transponders: " << found.measured << '\n';
    for (const Candidate& candidate : found.candidates) {
        std::cout << "  " << TerminalText(analysis::PositionLabel(candidate)) << ": "
                  << candidate.matched << " of " << found.measured << '\n';
    }
    if (found.claimedDegrees) {
        std::cout << "Saved on the meter: "
                  << TerminalText(DecodeLocalTextToUtf8(found.claimedName)) << '\n';
    }
    std::cout << TerminalText(analysis::SummaryLine(found)) << '\n';
    if (found.mismatch) {
        std::cout << TerminalText(DecodeLocalTextToUtf8(analysis::MismatchWarning(found))) << '\n';
    }
}

int RunIdentify(const QCommandLineParser& parser) {
    SourceOptions source;
    analysis::AnalysisSettings settings;
    Failure error = ParseSourceOptions(parser, source);
    if (error.ok()) {
        error = ParseAnalysisSettings(parser, settings);
    }
    if (!error.ok()) {
        return Fail(kIdentifyCommand, error);
    }
    LoadedFile file;
    if (const Failure opened = OpenSource(source, file); !opened.ok()) {
        return Fail(kIdentifyCommand, opened, source.path);
    }
    const std::string folder = TablesFolder(parser);
    analysis::SatelliteTables tables;
    if (const Failure read = ReadTables(kIdentifyCommand, folder, tables); !read.ok()) {
        return Fail(kIdentifyCommand, read, folder);
    }
    const Identification found = analysis::IdentifySatellite(*file.lists, tables, settings);
    if (parser.isSet("json")) {
        PrintJson(found);
    } else {
        PrintText(found);
    }
    return ExitCode(FailureKind::None);
}

}  // namespace

const Command kIdentifyCommand{
    "identify",
    "FILE [--json] [--tables DIR] [--lo MHz] [--threshold DB]",
    "which satellite position the file's transponders belong to, against the meter's name",
    "Matches the transponders the file shows were received against the DVBv5\n"
    "satellite lists of --tables DIR (default /usr/share/dvb/dvb-s, from the\n"
    "dtv-scan-tables package), grouped by the orbital position in their file names.\n"
    "Measured are the locked Find snapshots and the Constellation snapshots (RF,\n"
    "polarisation, symbol rate) and, with --lo, the spectrum carriers (RF only).\n"
    "A listed transponder explains a measured one within 3 MHz (a carrier: the\n"
    "larger of the sweep's step and a quarter of its bandwidth), of the same\n"
    "polarisation and within 2 % in symbol rate. Positions are ranked by how many\n"
    "they explain; the best is likely when it explains at least 60 % of at least 3\n"
    "and at least 2 and a quarter of them more than the best position over 0.5\n"
    "degrees away. A position in the Find snapshots' satellite names (Astra 19.2E,\n"
    "Thor 1W) more than 0.5 degrees from the likely one is a mismatch, and said.\n"
    "Lists that cannot be read are left out with a warning on stderr; with no\n"
    "list to match against the command fails (exit 3). West is negative in JSON.",
    IdentifyOptions,
    RunIdentify};

}  // namespace mirelta::cli
