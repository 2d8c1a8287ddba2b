// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>

#include "assess/assessment.h"
#include "cli/loaded_file.h"
#include "data/screen_kind.h"

namespace mirelta::cli {

// The three output forms of `dump`; each writes every listed record of a loaded file.
void DumpText(const LoadedFile& file, std::ostream& out);
// JSON and CSV also carry each Find and Constellation record's assessment.
void DumpJson(const LoadedFile& file, std::ostream& out, const Thresholds& thresholds);
void DumpCsv(const LoadedFile& file, std::ostream& out, const Thresholds& thresholds);

// One kind's records as a single CSV table with one header row; ScreenKind::None writes nothing.
void DumpCsvTable(const LoadedFile& file, ScreenKind kind, std::ostream& out,
                  const Thresholds& thresholds);

}  // namespace mirelta::cli
