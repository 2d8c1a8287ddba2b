// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>

#include "analysis/spectrum_analysis.h"
#include "assess/assessment.h"
#include "cli/loaded_file.h"
#include "data/screen_kind.h"

namespace mirelta::cli {

// The three output forms of `dump`; each writes every listed record of a loaded file.
void DumpText(const LoadedFile& file, std::ostream& out);
struct DumpSettings {
    Thresholds thresholds;
    analysis::AnalysisSettings analysis;
};

// JSON and CSV also carry each Find and Constellation record's assessment; JSON each spectrum's
// sweep points, floor and carriers.
void DumpJson(const LoadedFile& file, std::ostream& out, const DumpSettings& settings);
void DumpCsv(const LoadedFile& file, std::ostream& out, const Thresholds& thresholds);

// One kind's records as a single CSV table with one header row; spectra as a long table of their
// sweep points, one row each. ScreenKind::None writes nothing.
void DumpCsvTable(const LoadedFile& file, ScreenKind kind, std::ostream& out,
                  const Thresholds& thresholds);

}  // namespace mirelta::cli
