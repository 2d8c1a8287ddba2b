// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/analysis_json.h"
#include "cli/dump_forms.h"
#include "cli/json_writer.h"
#include "export/record_fields.h"

namespace mirelta::cli {
namespace {

void WriteFields(JsonWriter& json, const std::vector<Field>& fields) {
    for (const Field& field : fields) {
        json.key(field.name);
        std::visit([&](const auto& v) { json.value(v); }, field.value);
    }
}

void WriteNumberOrNull(JsonWriter& json, const std::optional<std::int64_t>& number) {
    if (number) {
        json.value(*number);
    } else {
        json.null();
    }
}

void WriteAssessment(JsonWriter&, const SpectrumRecord&, int, const Thresholds&) {}

template <typename Record>
void WriteAssessment(JsonWriter& json, const Record& record, int index,
                     const Thresholds& thresholds) {
    const AssessmentColumns columns = ColumnsOf(ValuesOf(record, index, thresholds));
    json.key("requiredCn");
    WriteNumberOrNull(json, columns.requiredCn);
    json.key("margin");
    WriteNumberOrNull(json, columns.margin);
    json.key("merMargin");
    WriteNumberOrNull(json, columns.merMargin);
    json.field("verdict", columns.verdict);
}

void WriteExtras(JsonWriter&, const FindRecord&) {}

void WriteExtras(JsonWriter& json, const ConstellationRecord& record) {
    json.key("samples");
    json.beginArray();
    for (int k = 0; k < ConstellationRecord::kSamples; ++k) {
        json.beginObject();
        json.field("iRaw", record.sampleI(k));
        json.field("qRaw", record.sampleQ(k));
        json.field("i", DecodeSample(record.sampleI(k)));
        json.field("q", DecodeSample(record.sampleQ(k)));
        json.endObject();
    }
    json.endArray();
}

void WriteExtras(JsonWriter& json, const SpectrumRecord& record) {
    json.key("levels");
    json.beginArray();
    for (int i = 0; i < SpectrumRecord::kLevels; ++i) {
        json.value(record.level(i));
    }
    json.endArray();
}

void WriteAnalysis(JsonWriter&, const RecordLists&, const FindRecord&, int,
                   const analysis::AnalysisSettings&) {}

void WriteAnalysis(JsonWriter&, const RecordLists&, const ConstellationRecord&, int,
                   const analysis::AnalysisSettings&) {}

void WriteAnalysis(JsonWriter& json, const RecordLists& lists, const SpectrumRecord&, int index,
                   const analysis::AnalysisSettings& settings) {
    const analysis::SpectrumAnalysis found = analysis::AnalyseSpectrum(lists, index, settings);
    WriteSweepPoints(json, found.sweep);
    WriteFloorAndCarriers(json, found);
}

template <typename Record, std::size_t N>
void WriteKind(JsonWriter& json, const char* name, const std::array<Record, N>& records,
               const LoadedFile& file, const std::vector<int>& slots,
               const DumpSettings& settings) {
    json.key(name);
    json.beginArray();
    for (std::size_t k = 0; k < slots.size(); ++k) {
        json.beginObject();
        json.field("index", static_cast<std::int64_t>(k));
        json.field("slot", slots[k]);
        WriteFields(json, FieldsOf(records[k]));
        WriteAssessment(json, records[k], static_cast<int>(k), settings.thresholds);
        WriteExtras(json, records[k]);
        WriteAnalysis(json, *file.lists, records[k], static_cast<int>(k), settings.analysis);
        json.endObject();
    }
    json.endArray();
}

}  // namespace

void DumpJson(const LoadedFile& file, std::ostream& out, const DumpSettings& settings) {
    JsonWriter json(out);
    json.beginObject();
    WriteKind(json, "find", file.lists->find, file, file.findSlots, settings);
    WriteKind(json, "constellation", file.lists->constellation, file, file.constellationSlots,
              settings);
    WriteKind(json, "spectrum", file.lists->spectrum, file, file.spectrumSlots, settings);
    json.endObject();
    out << '\n';
}

}  // namespace mirelta::cli
