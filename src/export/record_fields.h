// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "assess/snapshot_values.h"
#include "data/constellation_record.h"
#include "data/find_record.h"
#include "data/spectrum_record.h"

namespace mirelta {

// One named scalar of a dumped record: a raw number or a text (UTF-8).
struct Field {
    const char* name;
    std::variant<std::int64_t, std::string> value;
};

// Every scalar field of a record in file order, each text (as the screen shows it) right after
// its raw value.
// The spectrum levels and the I/Q samples are left to the output forms.
std::vector<Field> FieldsOf(const FindRecord& record);
std::vector<Field> FieldsOf(const ConstellationRecord& record);
std::vector<Field> FieldsOf(const SpectrumRecord& record);

// The assessment columns of a Find or Constellation record, in hundredths of a dB like the saved
// C/N and MER but at the tenth the assessment shows and judges; empty where there is no figure.
// The margin is the C/N margin alone.
struct AssessmentColumns {
    std::optional<std::int64_t> requiredCn;
    std::optional<std::int64_t> margin;
    std::optional<std::int64_t> merMargin;
    std::string verdict;
};

inline constexpr const char* kAssessmentColumnNames[] = {"requiredCn", "margin", "merMargin",
                                                         "verdict"};

AssessmentColumns ColumnsOf(const SnapshotValues& values);

}  // namespace mirelta
