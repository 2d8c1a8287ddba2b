// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <ostream>
#include <vector>

#include "data/spectrum_record.h"
#include "synthetic_sweeps.h"

namespace mirelta::bench {

// The records the meter would save for `sweeps`, through the image format.
std::vector<SpectrumRecord> RecordsOf(const std::vector<SyntheticSweep>& sweeps);

// Runs carrier detection on `sweeps` scattered and as many packed sweeps, and on `noiseSweeps`
// without carriers, all drawn from `seed`, and prints the figures against their goals as a
// Markdown table.
void PrintDetectionAccuracy(std::ostream& out, std::uint32_t seed, int sweeps, int noiseSweeps);

}  // namespace mirelta::bench
