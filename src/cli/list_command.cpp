// mirelta-cli list FILE [--json]: the three record lists as the window shows them.
#include <cstdio>
#include <iostream>

#include "cli/command.h"
#include "cli/file_arguments.h"
#include "cli/json_writer.h"
#include "cli/loaded_file.h"
#include "cli/threshold_options.h"
#include "cli/usage.h"
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

int RunList(const Arguments& given) {
    Arguments args = given;
    Thresholds thresholds;
    if (const std::string error = TakeThresholdOptions(args, thresholds); !error.empty()) {
        return UsageError(kListCommand, error);
    }
    FileArguments parsed;
    if (const std::string error = ParseFileArguments(args, {"--json"}, parsed); !error.empty()) {
        return UsageError(kListCommand, error);
    }
    LoadedFile file;
    if (const int code = OpenSource(parsed.path, file); code != 0) {
        return code;
    }
    const Lists lists{Entries(file.lists->find, file.findSlots, thresholds),
                      Entries(file.lists->constellation, file.constellationSlots, thresholds),
                      Entries(file.lists->spectrum, file.spectrumSlots, thresholds)};
    if (parsed.format == "--json") {
        PrintJson(lists);
    } else {
        PrintTable(lists);
    }
    return 0;
}

}  // namespace

const Command kListCommand{
    "list", "mirelta-cli list FILE [--json] [--pass-margin DB] [--fail-margin DB]", RunList};

}  // namespace mirelta::cli
