// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis/carrier_detection.h"
#include "analysis/sweep.h"
#include "data/record_lists.h"
#include "data/screen_kind.h"

namespace mirelta::analysis {

struct AnalysisSettings {
    DetectionSettings detection;
    std::optional<double> loMHz;  // the LNB's local oscillator, when the user gave it
};

// A Find or Constellation snapshot by its list.
struct SnapshotRef {
    ScreenKind kind = ScreenKind::Find;
    int index = 0;
    bool operator==(const SnapshotRef&) const = default;
};

struct CarrierFinding {
    Carrier carrier;
    std::optional<double> rfMHz;       // through the given LO
    std::vector<std::string> matches;  // labels of the file's Find and Constellation snapshots
    std::vector<SnapshotRef> matched;  // the same snapshots, by list and index
};

// One spectrum snapshot's sweep and what was found on it.
struct SpectrumAnalysis {
    int index = 0;      // in the Spectrum list
    std::string label;  // 8-bit bytes as saved
    Sweep sweep;
    std::optional<double> floor;
    std::vector<CarrierFinding> carriers;
};

SpectrumAnalysis AnalyseSpectrum(const RecordLists& lists, int index,
                                 const AnalysisSettings& settings = {});
// Every listed spectrum in list order.
std::vector<SpectrumAnalysis> AnalyseSpectra(const RecordLists& lists,
                                             const AnalysisSettings& settings = {});

}  // namespace mirelta::analysis
