// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "analysis/sweep.h"

namespace mirelta::analysis {

struct TracePoint {
    int index = 0;  // in the sweep
    double frequencyMHz = 0;
    int level = 0;
};

// The sweep's points that have a level, in sweep order: a point without one is a gap the trace
// is drawn across, not a dip to 0 dBuV.
using Trace = std::vector<TracePoint>;
Trace TraceOf(const Sweep& sweep);

}  // namespace mirelta::analysis
