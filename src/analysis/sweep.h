// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "data/spectrum_record.h"

namespace mirelta::analysis {

struct SweepPoint {
    double frequencyMHz = 0;  // IF, as the meter's axis
    int level = 0;            // dBuV; 0 is no level
};

// A spectrum record's sweep as data: point k lies at L - k * FreqStep MHz, the mapping of the
// cursor read-out, and there are min(150, (L - R) / FreqStep + 1) points; none when the right
// edge is above the left one.
struct Sweep {
    int freqStep = 8;  // MHz between points
    std::vector<SweepPoint> points;
};

Sweep SweepOf(const SpectrumRecord& record);

}  // namespace mirelta::analysis
