// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include "analysis/sweep.h"
#include "cli/csv_field.h"
#include "cli/decimal_text.h"
#include "cli/dump_forms.h"
#include "export/record_fields.h"
#include "platform/text_codec.h"

namespace mirelta::cli {
namespace {

std::string CsvCell(const std::string& text) {
    return CsvField(text);
}

std::string CsvCell(std::int64_t number) {
    return std::to_string(number);
}

std::string CsvCell(const std::optional<std::int64_t>& number) {
    return number ? std::to_string(*number) : std::string();
}

bool HasAssessment(const SpectrumRecord&) {
    return false;
}

template <typename Record>
bool HasAssessment(const Record&) {
    return true;
}

void WriteAssessment(std::ostream&, const SpectrumRecord&, int, const Thresholds&) {}

template <typename Record>
void WriteAssessment(std::ostream& out, const Record& record, int index,
                     const Thresholds& thresholds) {
    const AssessmentColumns columns = ColumnsOf(ValuesOf(record, index, thresholds));
    out << ',' << CsvCell(columns.requiredCn) << ',' << CsvCell(columns.margin) << ','
        << CsvCell(columns.merMargin) << ',' << CsvCell(columns.verdict);
}

// Column names of the per-record arrays that follow the scalar fields.
std::vector<std::string> ArrayColumns(const FindRecord&) {
    return {};
}

std::vector<std::string> ArrayColumns(const ConstellationRecord&) {
    std::vector<std::string> names;
    for (const char* axis : {"i", "q"}) {
        for (int k = 0; k < ConstellationRecord::kSamples; ++k) {
            names.push_back(axis + std::to_string(k));
        }
    }
    return names;
}

std::vector<std::string> ArrayColumns(const SpectrumRecord&) {
    std::vector<std::string> names;
    for (int i = 0; i < SpectrumRecord::kLevels; ++i) {
        names.push_back("level" + std::to_string(i));
    }
    return names;
}

void WriteArrays(std::ostream&, const FindRecord&) {}

void WriteArrays(std::ostream& out, const ConstellationRecord& record) {
    for (int k = 0; k < ConstellationRecord::kSamples; ++k) {
        out << ',' << int{DecodeSample(record.sampleI(k))};
    }
    for (int k = 0; k < ConstellationRecord::kSamples; ++k) {
        out << ',' << int{DecodeSample(record.sampleQ(k))};
    }
}

void WriteArrays(std::ostream& out, const SpectrumRecord& record) {
    for (int i = 0; i < SpectrumRecord::kLevels; ++i) {
        out << ',' << int{record.level(i)};
    }
}

// One section: header row, then one row per listed record; every row starts with the kind.
template <typename Record, std::size_t N>
void WriteSection(std::ostream& out, const char* kind, const std::array<Record, N>& records,
                  const std::vector<int>& fileSlots, const Thresholds& thresholds) {
    out << "kind,index,slot";
    for (const Field& field : FieldsOf(records[0])) {
        out << ',' << field.name;
    }
    if (HasAssessment(records[0])) {
        for (const char* name : kAssessmentColumnNames) {
            out << ',' << name;
        }
    }
    for (const std::string& name : ArrayColumns(records[0])) {
        out << ',' << name;
    }
    out << '\n';
    for (std::size_t k = 0; k < fileSlots.size(); ++k) {
        out << kind << ',' << k << ',' << fileSlots[k];
        for (const Field& field : FieldsOf(records[k])) {
            out << ',' << std::visit([](const auto& v) { return CsvCell(v); }, field.value);
        }
        WriteAssessment(out, records[k], static_cast<int>(k), thresholds);
        WriteArrays(out, records[k]);
        out << '\n';
    }
}

// The sweeps, one row per point, as charting tools read them.
void WriteSweepTable(std::ostream& out, const LoadedFile& file) {
    out << "index,slot,label,point,frequencyMHz,level\n";
    for (std::size_t k = 0; k < file.spectrumSlots.size(); ++k) {
        const SpectrumRecord& record = file.lists->spectrum[k];
        const std::string label = CsvCell(DecodeLocalTextToUtf8(record.listLabel()));
        const analysis::Sweep sweep = analysis::SweepOf(record);
        for (std::size_t i = 0; i < sweep.points.size(); ++i) {
            const analysis::SweepPoint& point = sweep.points[i];
            out << k << ',' << file.spectrumSlots[k] << ',' << label << ',' << i << ','
                << ShortDecimalText(point.frequencyMHz) << ','
                << (point.level != 0 ? std::to_string(point.level) : std::string()) << '\n';
        }
    }
}

}  // namespace

void DumpCsvTable(const LoadedFile& file, ScreenKind kind, std::ostream& out,
                  const Thresholds& thresholds) {
    switch (kind) {
        case ScreenKind::Find:
            WriteSection(out, "find", file.lists->find, file.findSlots, thresholds);
            break;
        case ScreenKind::Constellation:
            WriteSection(out, "constellation", file.lists->constellation, file.constellationSlots,
                         thresholds);
            break;
        case ScreenKind::Spectrum:
            WriteSweepTable(out, file);
            break;
        case ScreenKind::None:
            break;
    }
}

void DumpCsv(const LoadedFile& file, std::ostream& out, const Thresholds& thresholds) {
    DumpCsvTable(file, ScreenKind::Find, out, thresholds);
    out << '\n';
    DumpCsvTable(file, ScreenKind::Constellation, out, thresholds);
    out << '\n';
    WriteSection(out, "spectrum", file.lists->spectrum, file.spectrumSlots, thresholds);
}

}  // namespace mirelta::cli
