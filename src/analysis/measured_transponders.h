// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "analysis/channel_file.h"
#include "analysis/spectrum_analysis.h"
#include "data/record_lists.h"

namespace mirelta::analysis {

// A transponder the file shows was received, with what the meter knew of it.
struct MeasuredTransponder {
    double rfMHz = 0;
    double toleranceMHz = 0;                   // how far a listed frequency may lie
    std::optional<Polarisation> polarisation;  // horizontal or vertical; none for a carrier
    std::optional<double> symbolRateKsps;      // none for a carrier
};

// Tolerances: a snapshot's tuned frequency against a list's.
inline constexpr double kSnapshotToleranceMHz = 3;
inline constexpr double kSymbolRateTolerance = 0.02;  // of the listed rate

// Whether a listed transponder is the measured one: within the measured one's frequency
// tolerance, of the same polarisation and within 2 % in symbol rate, each where both sides know
// it. A circular polarisation is not compared: the meter keeps horizontal or vertical only.
bool Explains(const ListedTransponder& listed, const MeasuredTransponder& measured);

// Every locked Find snapshot, every Constellation snapshot (they are taken locked) and, through
// the LO, every carrier of `spectra`; one that a transponder already taken explains is the same
// transponder and is counted once.
std::vector<MeasuredTransponder> MeasuredTransponders(const RecordLists& lists,
                                                      const std::vector<SpectrumAnalysis>& spectra);

}  // namespace mirelta::analysis
