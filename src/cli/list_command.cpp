// SPDX-License-Identifier: GPL-3.0-or-later
// mirelta-cli list: the three record lists as the window shows them.
#include <cstdio>
#include <iostream>

#include "cli/command.h"
#include "cli/command_line.h"
#include "cli/failure.h"
#include "cli/json_writer.h"
#include "cli/loaded_file.h"
#include "cli/threshold_options.h"
#include "platform/text_codec.h"

namespace mirelta::cli {
namespace {

struct ListEntry {
    int slot;
    std::string label;    // UTF-8
    std::string verdict;  // empty for a spectrum sweep, which is not judged
};

std::string VerdictOf(const SpectrumRecord&, const Thresholds&) {
    return {};
}

template <typename Record>
std::string VerdictOf(const Record& record, const Thresholds& thresholds) {
    return VerdictText(Assess(record, thresholds).verdict);
}

template <typename Record, std::size_t N>
std::vector<ListEntry> Entries(const std::array<Record, N>& records,
                               const std::vector<int>& slotNumbers, const Thresholds& thresholds) {
    std::vector<ListEntry> entries;
    for (std::size_t k = 0; k < slotNumbers.size(); ++k) {
        entries.push_back({slotNumbers[k], DecodeLocalTextToUtf8(records[k].listLabel()),
                           VerdictOf(records[k], thresholds)});
    }
    return entries;
}

struct Lists {
    std::vector<ListEntry> find;
    std::vector<ListEntry> constellation;
    std::vector<ListEntry> spectrum;
};

void PrintJson(const Lists& lists) {
    JsonWriter json(std::cout);
    json.beginObject();
    const auto kind = [&](const char* name, const std::vector<ListEntry>& entries) {
        json.key(name);
        json.beginArray();
        for (std::size_t k = 0; k < entries.size(); ++k) {
            json.beginObject();
            json.field("index", static_cast<std::int64_t>(k));
            json.field("slot", entries[k].slot);
            json.field("label", entries[k].label);
            if (!entries[k].verdict.empty()) {
                json.field("verdict", entries[k].verdict);
            }
            json.endObject();
        }
        json.endArray();
    };
    kind("find", lists.find);
    kind("constellation", lists.constellation);
    kind("spectrum", lists.spectrum);
    json.endObject();
    std::cout << '\n';
}

void PrintTable(const Lists& lists) {
    std::cout << "KIND           INDEX  SLOT  VERDICT    LABEL\n";
    const auto kind = [](const char* name, const std::vector<ListEntry>& entries) {
        for (std::size_t k = 0; k < entries.size(); ++k) {
            char prefix[64];
            std::snprintf(prefix, sizeof prefix, "%-13s  %5zu  %4d  %-9s  ", name, k,
                          entries[k].slot,
                          entries[k].verdict.empty() ? "-" : entries[k].verdict.c_str());
            std::cout << prefix << entries[k].label << '\n';
        }
    };
    kind("find", lists.find);
    kind("constellation", lists.constellation);
    kind("spectrum", lists.spectrum);
}

std::vector<QCommandLineOption> ListOptions() {
    std::vector<QCommandLineOption> options{{"json", "Prints the lists as one JSON object."},
                                            ReadTimeoutOption()};
    for (QCommandLineOption& option : ThresholdOptions()) {
        options.push_back(std::move(option));
    }
    return options;
}

int RunList(const QCommandLineParser& parser) {
    SourceOptions source;
    Thresholds thresholds;
    Error error = ParseSourceOptions(parser, source);
    if (error.ok()) {
        error = ParseThresholds(parser, thresholds);
    }
    if (!error.ok()) {
        return Fail(kListCommand, error);
    }
    LoadedFile file;
    if (const Error opened = OpenSource(source, file); !opened.ok()) {
        return Fail(kListCommand, opened, source.path);
    }
    const Lists lists{Entries(file.lists->find, file.findSlots, thresholds),
                      Entries(file.lists->constellation, file.constellationSlots, thresholds),
                      Entries(file.lists->spectrum, file.spectrumSlots, thresholds)};
    if (parser.isSet("json")) {
        PrintJson(lists);
    } else {
        PrintTable(lists);
    }
    return 0;
}

}  // namespace

const Command kListCommand{
    "list",
    "FILE [--json] [--pass-margin DB] [--fail-margin DB]",
    "the three record lists: kind, index, file slot, verdict, label",
    "The Find, Constellation and Spectrum lists in list order: kind, list index,\n"
    "the file slot the record came from, the verdict of a Find or Constellation\n"
    "record (\"-\" for a spectrum sweep) and its label (decoded from GBK to UTF-8).\n"
    "--json gives {\"find\":[{\"index\":0,\"slot\":3,\"label\":\"...\",\"verdict\":\"PASS\"}],"
    "\"constellation\":[...],\"spectrum\":[...]}.",
    ListOptions,
    RunList};

}  // namespace mirelta::cli
