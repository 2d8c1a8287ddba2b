// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "data/constellation_record.h"
#include "data/find_record.h"
#include "data/spectrum_record.h"

namespace mirelta::cli {

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

}  // namespace mirelta::cli
