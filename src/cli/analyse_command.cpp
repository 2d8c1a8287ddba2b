// SPDX-License-Identifier: GPL-3.0-or-later
// mirelta-cli analyse: each spectrum's noise floor and carriers.
#include <iostream>

#include "cli/analysis_json.h"
#include "cli/analysis_options.h"
#include "cli/command.h"
#include "cli/command_line.h"
#include "cli/csv_field.h"
#include "cli/decimal_text.h"
#include "cli/failure.h"
#include "cli/loaded_file.h"
#include "cli/terminal_text.h"
#include "platform/text_codec.h"

namespace mirelta::cli {
namespace {

using analysis::CarrierFinding;
using analysis::SpectrumAnalysis;

std::vector<QCommandLineOption> AnalyseOptions() {
    std::vector<QCommandLineOption> options{
        {"record", "Only entry N (from 0) of the Spectrum list.", "N"},
        {"json", "One JSON object with a \"spectrum\" array."},
        {"csv", "CSV: one row per carrier, with its spectrum's index, label and floor."},
        ReadTimeoutOption(),
    };
    for (QCommandLineOption& option : AnalysisOptions()) {
        options.push_back(std::move(option));
    }
    return options;
}

std::string Matches(const CarrierFinding& finding, const char* separator) {
    std::string joined;
    for (const std::string& label : finding.matches) {
        joined += (joined.empty() ? "" : separator) + DecodeLocalTextToUtf8(label);
    }
    return joined;
}

std::string OptionalText(const std::optional<double>& number, int places) {
    return number ? DecimalText(*number, places) : "-";
}

void PrintText(const std::vector<SpectrumAnalysis>& all) {
    for (const SpectrumAnalysis& a : all) {
        std::cout << "Spectrum " << a.index << " \"" << TerminalText(DecodeLocalTextToUtf8(a.label))
                  << "\": floor " << OptionalText(a.floor, 1) << " dBuV, " << a.carriers.size()
                  << (a.carriers.size() == 1 ? " carrier\n" : " carriers\n");
        if (a.carriers.empty()) {
            continue;
        }
        std::cout << "   #   IF MHz    RF MHz  BW MHz  SR Msps  peak dBuV  C/N dB  power dBuV"
                     "  matches\n";
        int number = 1;
        for (const CarrierFinding& f : a.carriers) {
            const analysis::Carrier& c = f.carrier;
            char row[160];
            std::snprintf(row, sizeof row, "%4d %8s %9s %7s %8s %10s %7s %11s  ", number++,
                          DecimalText(c.centreMHz, 1).c_str(), OptionalText(f.rfMHz, 1).c_str(),
                          DecimalText(c.bandwidthMHz, 1).c_str(),
                          DecimalText(c.symbolRateMsps, 1).c_str(), DecimalText(c.peak, 0).c_str(),
                          DecimalText(c.cn, 1).c_str(), DecimalText(c.channelPower, 1).c_str());
            std::cout << row << TerminalText(Matches(f, ", ")) << '\n';
        }
    }
}

void PrintJson(const std::vector<SpectrumAnalysis>& all) {
    JsonWriter json(std::cout);
    json.beginObject();
    json.key("spectrum");
    json.beginArray();
    for (const SpectrumAnalysis& a : all) {
        json.beginObject();
        json.field("index", std::int64_t{a.index});
        json.field("label", DecodeLocalTextToUtf8(a.label));
        WriteFloorAndCarriers(json, a);
        json.endObject();
    }
    json.endArray();
    json.endObject();
    std::cout << '\n';
}

void PrintCsv(const std::vector<SpectrumAnalysis>& all) {
    std::cout << "index,label,floor,carrier,centreMHz,bandwidthMHz,symbolRateMsps,peak,cn,"
                 "channelPower,rfMHz,matches\n";
    for (const SpectrumAnalysis& a : all) {
        int number = 1;
        for (const CarrierFinding& f : a.carriers) {
            const analysis::Carrier& c = f.carrier;
            std::cout << a.index << ',' << CsvField(DecodeLocalTextToUtf8(a.label)) << ','
                      << (a.floor ? ShortDecimalText(*a.floor) : "") << ',' << number++;
            for (const double value :
                 {c.centreMHz, c.bandwidthMHz, c.symbolRateMsps, c.peak, c.cn, c.channelPower}) {
                std::cout << ',' << ShortDecimalText(value);
            }
            std::cout << ',' << (f.rfMHz ? ShortDecimalText(*f.rfMHz) : "") << ','
                      << CsvField(Matches(f, ";")) << '\n';
        }
    }
}

int RunAnalyse(const QCommandLineParser& parser) {
    SourceOptions source;
    analysis::AnalysisSettings settings;
    std::optional<int> record;
    Failure error = ParseSourceOptions(parser, source);
    if (error.ok()) {
        error = ParseAnalysisSettings(parser, settings);
    }
    if (error.ok() && parser.isSet("json") && parser.isSet("csv")) {
        error = UsageError("only one of --json and --csv may be given");
    }
    if (error.ok() && parser.isSet("record")) {
        record = ParseInt(Value(parser, "record"));
        if (!record || *record < 0) {
            error = UsageError("--record must be a list entry number from 0");
        }
    }
    if (!error.ok()) {
        return Fail(kAnalyseCommand, error);
    }
    LoadedFile file;
    if (const Failure opened = OpenSource(source, file); !opened.ok()) {
        return Fail(kAnalyseCommand, opened, source.path);
    }
    std::vector<SpectrumAnalysis> all;
    if (record) {
        if (*record >= file.lists->spectrumCount) {
            return Fail(
                kAnalyseCommand,
                UsageError("--record " + std::to_string(*record) + ": the file lists " +
                           std::to_string(file.lists->spectrumCount) + " spectrum snapshots"));
        }
        all.push_back(analysis::AnalyseSpectrum(*file.lists, *record, settings));
    } else {
        all = analysis::AnalyseSpectra(*file.lists, settings);
    }
    if (parser.isSet("json")) {
        PrintJson(all);
    } else if (parser.isSet("csv")) {
        PrintCsv(all);
    } else {
        PrintText(all);
    }
    return ExitCode(FailureKind::None);
}

}  // namespace

const Command kAnalyseCommand{
    "analyse",
    "FILE [--record N] [--json|--csv] [--lo MHz] [--threshold DB]",
    "each spectrum's noise floor and carriers: centre, width, symbol rate, C/N, power",
    "Finds the carriers on every spectrum snapshot (or entry N of the Spectrum\n"
    "list): the noise floor, then each carrier standing --threshold dB clear of it,\n"
    "with its centre (the midpoint of its -3 dB edges), -3 dB bandwidth, estimated\n"
    "symbol rate, peak level, C/N over the floor and channel power over the -3 dB\n"
    "band. Frequencies are the meter's IF in MHz; with --lo (the LNB's local\n"
    "oscillator) each carrier also gets its RF: LO + IF for a Ku-band LO (9000 to\n"
    "12000 MHz), LO - IF for a C-band one (3000 to 5750 MHz). A carrier is matched\n"
    "by label to the file's Find and Constellation snapshots of its frequency.\n"
    "Levels are dBuV.\n"
    "The method is described in docs/analysis.md.",
    AnalyseOptions,
    RunAnalyse};

}  // namespace mirelta::cli
