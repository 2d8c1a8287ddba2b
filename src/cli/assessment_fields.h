// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "assess/assessment.h"
#include "data/constellation_record.h"
#include "data/find_record.h"

namespace mirelta::cli {

// The assessment columns that `dump` adds to Find and Constellation records, in hundredths of a
// dB like the saved C/N and MER; empty where there is no figure.
struct AssessmentColumns {
    std::optional<std::int64_t> requiredCn;
    std::optional<std::int64_t> margin;
    std::optional<std::int64_t> merMargin;
    std::string verdict;
};

inline constexpr const char* kAssessmentColumnNames[] = {"requiredCn", "margin", "merMargin",
                                                         "verdict"};

AssessmentColumns ColumnsOf(const Assessment& assessment);

}  // namespace mirelta::cli
