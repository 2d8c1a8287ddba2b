// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis/measured_transponders.h"
#include "analysis/satellite_tables.h"
#include "analysis/spectrum_analysis.h"
#include "data/record_lists.h"

namespace mirelta::analysis {

struct Candidate {
    std::string name;
    double degrees = 0;  // east, west negative
    int matched = 0;     // measured transponders its lists explain
};

struct Identification {
    int measured = 0;
    std::vector<Candidate> candidates;  // up to three that explain any, the most first
    std::optional<Candidate> likely;
    std::optional<double> claimedDegrees;  // read from the Find snapshots' satellite names
    std::string claimedName;               // the name it was read from: 8-bit bytes as saved
    bool mismatch = false;                 // likely and claimed lie apart
};

// A position is likely when it explains at least 60 % of at least 3 measured transponders and
// clearly more than the runner-up: at least 2 transponders and a quarter of the measured ones
// more. The runner-up is the best position more than 0.5 degrees away, since lists of the same
// slot share their transponders; positions that far apart are different satellites.
inline constexpr int kFewestMeasured = 3;
inline constexpr double kLikelyShare = 0.6;
inline constexpr int kClearMarginTransponders = 2;
inline constexpr double kClearMarginShare = 0.25;
inline constexpr double kSamePositionDegrees = 0.5;

// The positions that best explain `measured`, ranked, and the likely one.
Identification Identify(const std::vector<MeasuredTransponder>& measured,
                        const SatelliteTables& tables);

// The file's transponders (spectrum carriers only with `settings.loMHz`) matched against the
// tables, and the position the Find snapshots name, compared with the likely one.
Identification IdentifySatellite(const RecordLists& lists, const SatelliteTables& tables,
                                 const AnalysisSettings& settings = {});

struct Claim {
    double degrees = 0;
    std::string name;  // the satellite name it was read from, trimmed; 8-bit bytes as saved
};

// The position named by more than half of the Find snapshots whose satellite names hold one, as
// the first of them writes it; none when no position has such a majority, as in a file of many
// satellites.
std::optional<Claim> ClaimedByFinds(const RecordLists& lists);

// "Hotbird 13.0E"
std::string PositionLabel(const Candidate& candidate);

// "Hotbird 13.0E (9 of 10)": the likely position and how many it explains; empty without one.
std::string LikelyLabel(const Identification& identification);

// "Satellite: likely Hotbird 13.0E (9 of 10)" or "Satellite: not identified".
std::string SummaryLine(const Identification& identification);

// "The transponders match Hotbird 13.0E (9 of 10), not Astra 19.2E as saved on the meter"; empty
// without a mismatch. The saved name is 8-bit bytes as saved.
std::string MismatchWarning(const Identification& identification);

}  // namespace mirelta::analysis
