// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/trace.h"

namespace mirelta::analysis {

Trace TraceOf(const Sweep& sweep) {
    Trace trace;
    trace.reserve(sweep.points.size());
    for (std::size_t k = 0; k < sweep.points.size(); ++k) {
        const SweepPoint& point = sweep.points[k];
        if (point.level != 0) {
            trace.push_back({static_cast<int>(k), point.frequencyMHz, point.level});
        }
    }
    return trace;
}

}  // namespace mirelta::analysis
