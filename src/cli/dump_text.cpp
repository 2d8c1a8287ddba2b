// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>

#include "cli/dump_forms.h"
#include "cli/terminal_text.h"
#include "export/record_fields.h"

namespace mirelta::cli {
namespace {

constexpr int kValuesPerLine = 15;
constexpr int kPairsPerLine = 8;

void WriteFields(std::ostream& out, const std::vector<Field>& fields) {
    for (const Field& field : fields) {
        char name[32];
        std::snprintf(name, sizeof name, "  %-18s ", field.name);
        out << name;
        if (const auto* number = std::get_if<std::int64_t>(&field.value)) {
            out << *number << '\n';
        } else {
            out << TerminalText(std::get<std::string>(field.value)) << '\n';
        }
    }
}

void WriteArrays(std::ostream&, const FindRecord&) {}

void WriteArrays(std::ostream& out, const ConstellationRecord& record) {
    out << "  samples (i,q decoded; raw bytes in brackets):\n";
    for (int k = 0; k < ConstellationRecord::kSamples; ++k) {
        char pair[48];
        std::snprintf(pair, sizeof pair, " %4d,%4d [%4d,%4d]", DecodeSample(record.sampleI(k)),
                      DecodeSample(record.sampleQ(k)), record.sampleI(k), record.sampleQ(k));
        out << (k % kPairsPerLine == 0 ? "   " : "") << pair
            << (k % kPairsPerLine == kPairsPerLine - 1 ? "\n" : "");
    }
}

void WriteArrays(std::ostream& out, const SpectrumRecord& record) {
    out << "  levels (dBuV, sweep points 0..149 from the left edge):\n";
    for (int i = 0; i < SpectrumRecord::kLevels; ++i) {
        char level[8];
        std::snprintf(level, sizeof level, " %4d", record.level(i));
        out << (i % kValuesPerLine == 0 ? "   " : "") << level
            << (i % kValuesPerLine == kValuesPerLine - 1 ? "\n" : "");
    }
}

template <typename Record, std::size_t N>
void WriteKind(std::ostream& out, const char* title, const std::array<Record, N>& records,
               const std::vector<int>& slots) {
    out << title << ": " << slots.size() << " record" << (slots.size() == 1 ? "" : "s") << '\n';
    for (std::size_t k = 0; k < slots.size(); ++k) {
        out << '\n' << title << ' ' << k << " (slot " << slots[k] << ")\n";
        WriteFields(out, FieldsOf(records[k]));
        WriteArrays(out, records[k]);
    }
    out << '\n';
}

}  // namespace

void DumpText(const LoadedFile& file, std::ostream& out) {
    WriteKind(out, "Find", file.lists->find, file.findSlots);
    WriteKind(out, "Constellation", file.lists->constellation, file.constellationSlots);
    WriteKind(out, "Spectrum", file.lists->spectrum, file.spectrumSlots);
}

}  // namespace mirelta::cli
