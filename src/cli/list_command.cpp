// SPDX-License-Identifier: GPL-3.0-or-later
// mirelta-cli list: the three record lists as the window shows them.
#include <cstdio>
#include <iostream>

#include "assess/snapshot_values.h"
#include "cli/command.h"
#include "cli/command_line.h"
#include "cli/failure.h"
#include "cli/json_writer.h"
#include "cli/loaded_file.h"
#include "cli/terminal_text.h"
#include "cli/threshold_options.h"
#include "platform/text_codec.h"

namespace mirelta::cli {
namespace {

struct ListEntry {
    int slot;
    std::string label;    // UTF-8
    std::string verdict;  // empty for a spectrum sweep, which is not judged
};

struct Lists {
    std::vector<ListEntry> find;
    std::vector<ListEntry> constellation;
    std::vector<ListEntry> spectrum;
};

Lists ListsOf(const LoadedFile& file, const Thresholds& thresholds) {
    Lists lists;
    for (const SnapshotValues& v : SnapshotModel(*file.lists, thresholds)) {
        const auto k = static_cast<std::size_t>(v.index);
        const std::string label = DecodeLocalTextToUtf8(v.label);
        switch (v.kind) {
            case ScreenKind::Find:
                lists.find.push_back({file.findSlots[k], label, v.verdict});
                break;
            case ScreenKind::Constellation:
                lists.constellation.push_back({file.constellationSlots[k], label, v.verdict});
                break;
            case ScreenKind::Spectrum:
                lists.spectrum.push_back({file.spectrumSlots[k], label, {}});
                break;
            case ScreenKind::None:
                break;
        }
    }
    return lists;
}

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
            std::cout << prefix << TerminalText(entries[k].label) << '\n';
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
    Failure error = ParseSourceOptions(parser, source);
    if (error.ok()) {
        error = ParseThresholds(parser, thresholds);
    }
    if (!error.ok()) {
        return Fail(kListCommand, error);
    }
    LoadedFile file;
    if (const Failure opened = OpenSource(source, file); !opened.ok()) {
        return Fail(kListCommand, opened, source.path);
    }
    const Lists lists = ListsOf(file, thresholds);
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
    "FILE [--json] [--pass-margin DB] [--fail-margin DB] [--s2-allowance DB]",
    "the three record lists: kind, index, file slot, verdict, label",
    "The Find, Constellation and Spectrum lists in list order: kind, list index,\n"
    "the file slot the record came from, the verdict of a Find or Constellation\n"
    "record (PASS, MARGINAL, FAIL, NO LOCK for an unlocked Find, not rated; \"-\"\n"
    "for a spectrum sweep) and its label (decoded from GBK to UTF-8).\n"
    "--json gives {\"find\":[{\"index\":0,\"slot\":3,\"label\":\"...\",\"verdict\":\"PASS\"}],"
    "\"constellation\":[...],\"spectrum\":[...]}.",
    ListOptions,
    RunList};

}  // namespace mirelta::cli
